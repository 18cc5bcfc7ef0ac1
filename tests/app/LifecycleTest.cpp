// The program from start to exit status, each case in a child process: the steps of
// start-up, the ways of ending (Escape, the close button, EndProgram, an end request from
// another thread, a runtime error), the exit procedure running exactly once or never, and the
// idle phase of the message loop.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPixmap>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <unistd.h>

#include <cfenv>
#include <cmath>
#include <filesystem>
#include <thread>

#include "ChildProcess.h"
#include "ProgramHarness.h"
#include "faces/qt/app/ApplicationObject.h"
#include "faces/qt/app/ErrorBox.h"
#include "faces/qt/app/ProgramServices.h"
#include "core/frame/FrameServices.h"
#include "program/Procedures.h"
#include "core/runtime/EventDispatch.h"
#include "core/runtime/WindowList.h"
#include "values/Gbk.h"
#include "contract/ServiceTable.h"

namespace {

int Occurrences(const std::string& text, const std::string& line)
{
    int count = 0;
    for (size_t at = text.find(line + "\n"); at != std::string::npos; at = text.find(line + "\n", at + 1)) {
        if (at == 0 || text[at - 1] == '\n')
            ++count;
    }
    return count;
}

// CR and LF made visible, so a box text fits on one log line.
std::string OneLine(const QString& text)
{
    std::string line;
    for (const char c : text.toStdString()) {
        if (c == '\r')
            line += "\\r";
        else if (c == '\n')
            line += "\\n";
        else
            line += c;
    }
    return line;
}

// Logs what the error box shows, then lets body act while it is up, then presses OK.
void OnErrorBox(std::function<void()> body = {})
{
    App().observers.error_box_shown = [body](QMessageBox& box) {
        ChildLog("box title " + box.windowTitle().toStdString());
        ChildLog("box text " + OneLine(box.text()));
        ChildLog(std::string("box critical ") + (box.icon() == QMessageBox::Critical ? "yes" : "no"));
        ChildLog("box buttons " + std::to_string(box.buttons().size()) +
                 (box.standardButtons() == QMessageBox::Ok ? " ok" : " other"));
        ChildLog(std::string("box modal ") + (box.isModal() && box.parentWidget() == nullptr ? "yes" : "no"));
        if (body)
            body();
        box.button(QMessageBox::Ok)->click();
    };
}

TEST(ProgramLifecycle, StartRoutineTakesItsStepsInOrder)
{
    const ChildOutcome outcome = RunInChild([] {
        return RunProgram([] {
            ChildLog(std::string("round to nearest ") + (std::fegetround() == FE_TONEAREST ? "yes" : "no"));
            ChildLog(std::string("traps ") + (fegetexcept() == 0 ? "none" : "some"));
            UnitWidget(0)->close();
        });
    });
    ASSERT_TRUE(outcome.exited);
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.log, "system call 6\n"
                           "system call 3\n"
                           "load window " +
                               std::to_string(main_window::kWindow) +
                               "\n"
                               "run message loop\n"
                               "round to nearest yes\n"
                               "traps none\n"
                               "exit procedure\n");
}

TEST(ProgramLifecycle, EveryNormalEndRunsTheExitProcedureOnce)
{
    const struct {
        const char* name;
        std::function<void()> end;
        int status;
    } cases[] = {
        {"Escape", [] { QTest::keyClick(UnitWidget(main_window::kArcSineOpposite), Qt::Key_Escape); }, 0},
        {"close button", [] { UnitWidget(0)->windowHandle()->close(); }, 0},
        {"EndProgram(5)", [] { Services().EndProgram(5); }, 5},
        {"end request from another thread", [] { std::thread([] { TerminateRuntime(7); }).detach(); }, 7},
    };
    for (const auto& c : cases) {
        const ChildOutcome outcome = RunInChild([&c] { return RunProgram(c.end); });
        ASSERT_TRUE(outcome.exited) << c.name << "\n" << outcome.log;
        EXPECT_EQ(outcome.status, c.status) << c.name;
        EXPECT_EQ(Occurrences(outcome.log, "exit procedure"), 1) << c.name << "\n" << outcome.log;
    }
}

TEST(ProgramLifecycle, RuntimeErrorInAProcedureShowsTheBoxAndEndsWith255)
{
    static int gets_while_box_up = -1;
    static int gets = 0;
    const ChildOutcome outcome = RunInChild([] {
        const auto change = [](ServiceTable& table) {
            table.GetUnitProperty = [](uint32_t window, uint32_t unit, int32_t property, int32_t part) {
                ++gets;
                if (unit == main_window::kArcSineOpposite)
                    Services().RaiseRuntimeError(4);
                return ProgramServices().GetUnitProperty(window, unit, property, part);
            };
        };
        return RunProgram(
            [] {
                SetBoxText(main_window::kArcTangentOpposite, "1");
                SetBoxText(main_window::kArcTangentAdjacent, "1");
                OnErrorBox([] {
                    // Another button, a key and the window's close button while the box is up.
                    const int before = gets;
                    ClickUnit(main_window::kArcTangentButton);
                    QTest::keyClick(UnitWidget(main_window::kExpression), Qt::Key_A);
                    gets_while_box_up = gets - before;
                    ChildLog(std::string("events suppressed ") + (EventSuppressionCount() > 0 ? "yes" : "no"));
                    ChildLog("procedure reads while the box is up " + std::to_string(gets_while_box_up));
                    ChildLog("arctangent result '" + BoxText(main_window::kArcTangentResult) + "'");
                });
                ClickUnit(main_window::kArcSineButton);
                ChildLog("the click returned");
            },
            change);
    });
    ASSERT_TRUE(outcome.exited) << outcome.log;
    EXPECT_EQ(outcome.status, 255);
    const std::string expected_text =
        "运行时出错!\\r\\n\\r\\n错误代码：4\\r\\n\\r\\n错误信息：数组成员引用下标必须大于等于1\\r\\n";
    EXPECT_EQ(Occurrences(outcome.log, "box title 错误"), 1) << outcome.log;
    EXPECT_EQ(Occurrences(outcome.log, "box text " + expected_text), 1) << outcome.log;
    EXPECT_EQ(Occurrences(outcome.log, "box critical yes"), 1);
    EXPECT_EQ(Occurrences(outcome.log, "box buttons 1 ok"), 1);
    EXPECT_EQ(Occurrences(outcome.log, "box modal yes"), 1);
    EXPECT_EQ(Occurrences(outcome.log, "events suppressed yes"), 1) << outcome.log;
    EXPECT_EQ(Occurrences(outcome.log, "procedure reads while the box is up 0"), 1) << outcome.log;
    EXPECT_EQ(Occurrences(outcome.log, "arctangent result ''"), 1) << outcome.log;
    EXPECT_EQ(Occurrences(outcome.log, "the click returned"), 0);
    EXPECT_EQ(Occurrences(outcome.log, "exit procedure"), 0);
}

TEST(ProgramLifecycle, StartupWindowMissingIsFatalBeforeAnyWindowShows)
{
    const ChildOutcome outcome = RunInChild([] {
        return RunProgram({}, [](ServiceTable& table) {
            table.LoadWindow = [](uint32_t) { ProgramServices().LoadWindow(main_window::kWindow + 1); };
            OnErrorBox([] {
                int shown = 0;
                for (QWidget* widget : QApplication::topLevelWidgets())
                    shown += widget->isVisible() && qobject_cast<QMessageBox*>(widget) == nullptr;
                ChildLog("windows shown " + std::to_string(shown));
            });
        });
    });
    ASSERT_TRUE(outcome.exited) << outcome.log;
    EXPECT_EQ(outcome.status, 255);
    EXPECT_EQ(Occurrences(outcome.log, "box text 运行时出错!\\r\\n\\r\\n错误信息：载入启动窗口失败\\r\\n"), 1)
        << outcome.log;
    EXPECT_EQ(Occurrences(outcome.log, "windows shown 0"), 1) << outcome.log;
    EXPECT_EQ(Occurrences(outcome.log, "exit procedure"), 0);
}

// The window's idle event: once per idle period for a handler that answers false; again and
// again in the same period while it answers true. Idle registrations run on every pass until
// their window is gone.
TEST(ProgramLifecycle, IdlePhaseRaisesTheWindowIdleEventOncePerPeriod)
{
    static int idle_events = 0;
    static int registration_calls = 0;
    const ChildOutcome outcome = RunInChild([] {
        const auto change = [](ServiceTable& table) {
            table.LoadWindow = [](uint32_t window_id) {
                ProgramServices().LoadWindow(window_id);
                RuntimeRecord& window_record = FindWindow(window_id)->records.front();
                window_record.bindings.push_back({7, 0});
                // Asks for more idle time on its first two calls only.
                window_record.procedures.push_back([](const uint32_t*, int32_t count) {
                    ++idle_events;
                    return ProcedureResult{true, uint32_t(count == 1 && idle_events <= 2)};
                });
            };
        };
        return RunProgram(
            [] {
                static QWidget* holder = new QWidget;
                RegisterIdleFunction(
                    holder, [](intptr_t) { ++registration_calls; }, 0);
                const auto step = [](int at_ms, std::function<void()> action) {
                    QTimer::singleShot(at_ms, action);
                };
                step(300, [] { ChildLog("after start " + std::to_string(idle_events)); });
                step(350, [] { QTest::keyClick(UnitWidget(main_window::kExpression), Qt::Key_1); });
                step(650, [] { ChildLog("after a key " + std::to_string(idle_events)); });
                step(950, [] {
                    ChildLog("with no activity " + std::to_string(idle_events));
                    ChildLog(std::string("registration called ") + (registration_calls > 0 ? "yes" : "no"));
                    delete holder;  // the registration's window is gone
                    QTest::keyClick(UnitWidget(main_window::kExpression), Qt::Key_2);
                });
                step(1250, [] {
                    ChildLog("registrations left " + std::to_string(App().idle_registrations.size()));
                    UnitWidget(0)->close();
                });
            },
            change);
    });
    ASSERT_TRUE(outcome.exited) << outcome.log;
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(Occurrences(outcome.log, "after start 3"), 1) << outcome.log;
    EXPECT_EQ(Occurrences(outcome.log, "after a key 4"), 1) << outcome.log;
    EXPECT_EQ(Occurrences(outcome.log, "with no activity 4"), 1) << outcome.log;
    EXPECT_EQ(Occurrences(outcome.log, "registration called yes"), 1) << outcome.log;
    EXPECT_EQ(Occurrences(outcome.log, "registrations left 0"), 1) << outcome.log;
}

TEST(ProgramLifecycle, NoWindowMeansTheLoopReturnsAtOnce)
{
    const ChildOutcome outcome = RunInChild(
        [] { return RunProgram({}, [](ServiceTable& table) { table.LoadWindow = [](uint32_t) {}; }); }, 20);
    ASSERT_TRUE(outcome.exited) << outcome.log;
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(Occurrences(outcome.log, "exit procedure"), 1);
}

// At fractional and whole scale factors the window keeps its layout in logical pixels and is
// drawn at the finer resolution; the buttons still work.
TEST(ProgramLifecycle, TheWindowScalesAtEachFactor)
{
    for (const char* factor : {"1.25", "1.5", "2"}) {
        const ChildOutcome outcome = RunInChild([factor] {
            ::setenv("QT_SCALE_FACTOR", factor, 1);
            return RunProgram([] {
                QWidget* window = UnitWidget(0);
                QWidget* box = UnitWidget(main_window::kExpression);
                ChildLog("ratio " + QString::number(window->devicePixelRatioF()).toStdString());
                ChildLog("box " + std::to_string(box->x()) + "," + std::to_string(box->y()) + " " +
                         std::to_string(box->width()) + "x" + std::to_string(box->height()));
                const QPixmap image = window->grab();
                ChildLog("image " + std::to_string(image.width()) + "x" + std::to_string(image.height()) +
                         " for " + std::to_string(window->width()) + "x" + std::to_string(window->height()));
                SetBoxText(main_window::kExpression, "tg(45)");
                ClickUnit(main_window::kEvaluateButton);
                ChildLog("result " + BoxText(main_window::kExpressionResult));
                window->close();
            });
        });
        ASSERT_TRUE(outcome.exited) << factor;
        EXPECT_EQ(outcome.status, 0);
        const double scale = std::stod(factor);
        EXPECT_EQ(Occurrences(outcome.log, "ratio " + QString::number(scale).toStdString()), 1) << outcome.log;
        EXPECT_EQ(Occurrences(outcome.log, "box 77,205 115x21"), 1) << outcome.log;
        const std::string size = "482x395";
        const std::string image = std::to_string(int(std::ceil(482 * scale))) + "x" +
                                  std::to_string(int(std::ceil(395 * scale)));
        EXPECT_EQ(Occurrences(outcome.log, "image " + image + " for " + size), 1) << outcome.log;
        EXPECT_EQ(Occurrences(outcome.log, "result 0.9999999999551"), 1) << outcome.log;
    }
}

TEST(ProgramLifecycle, TheProgramDirectoryBecomesTheCurrentDirectory)
{
    const ChildOutcome outcome = RunInChild([] {
        if (::chdir("/") != 0)
            return 99;
        return RunProgram([] {
            ChildLog("cwd " + QDir::currentPath().toStdString());
            UnitWidget(0)->close();
        });
    });
    ASSERT_TRUE(outcome.exited);
    const std::string own_directory = std::filesystem::read_symlink("/proc/self/exe").parent_path().string();
    EXPECT_EQ(Occurrences(outcome.log, "cwd " + own_directory), 1) << outcome.log;
}

}  // namespace
