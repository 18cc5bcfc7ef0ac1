#include "ProgramHarness.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <string>

#include "ChildProcess.h"
#include "faces/qt/app/ApplicationMain.h"
#include "faces/qt/app/ProgramServices.h"
#include "program/Procedures.h"
#include "faces/qt/live/LiveUnits.h"
#include "core/runtime/WindowList.h"

namespace {

ServiceTable g_table;
std::function<void()> g_in_loop;
void (*g_exit_procedure)() = nullptr;

void LoggingExitProcedure()
{
    ChildLog("exit procedure");
    if (g_exit_procedure != nullptr)
        g_exit_procedure();
}

intptr_t LoggingSystemCall(int32_t number, intptr_t a, intptr_t b)
{
    ChildLog("system call " + std::to_string(number));
    if (number == kSystemCallSetExitProcedure && a != 0) {
        g_exit_procedure = reinterpret_cast<void (*)()>(a);
        a = reinterpret_cast<intptr_t>(&LoggingExitProcedure);
    }
    return ProgramServices().SystemCall(number, a, b);
}

void LoggingLoadWindow(uint32_t window_id)
{
    ChildLog("load window " + std::to_string(window_id));
    ProgramServices().LoadWindow(window_id);
}

void LoopWithTestBody()
{
    ChildLog("run message loop");
    if (g_in_loop)
        QTimer::singleShot(0, g_in_loop);
    ProgramServices().RunMessageLoop();
}

}  // namespace

int RunProgram(std::function<void()> in_loop, const TableChange& change)
{
    g_in_loop = std::move(in_loop);
    g_table = ProgramServices();
    g_table.SystemCall = &LoggingSystemCall;
    g_table.LoadWindow = &LoggingLoadWindow;
    g_table.RunMessageLoop = &LoopWithTestBody;
    if (change)
        change(g_table);
    InstallServices(&g_table);
    char name[] = "anglarix";
    char* argv[] = {name, nullptr};
    int argc = 1;
    return ApplicationMain(argc, argv);
}

QWidget* UnitWidget(uint32_t unit_id)
{
    RuntimeWindow* window = FindWindow(main_window::kWindow);
    const RuntimeRecord* record = window != nullptr ? FindRecord(*window, unit_id) : nullptr;
    return record != nullptr ? LiveWidget(*record) : nullptr;
}

void SetBoxText(uint32_t unit_id, const char* utf8)
{
    auto* box = qobject_cast<QLineEdit*>(UnitWidget(unit_id));
    if (box == nullptr)
        return;
    box->clear();
    const QString text = QString::fromUtf8(utf8);
    bool ascii = true;
    for (const QChar c : text)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii) {
        QTest::keyClicks(box, text);
        return;
    }
    // What an input method hands over when its text is committed, as a Chinese input
    // method in full-width mode does.
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QCoreApplication::sendEvent(box, &commit);
}

std::string BoxText(uint32_t unit_id)
{
    auto* box = qobject_cast<QLineEdit*>(UnitWidget(unit_id));
    return box != nullptr ? box->text().toStdString() : std::string("<no box>");
}

void ClickUnit(uint32_t unit_id)
{
    if (QWidget* widget = UnitWidget(unit_id))
        QTest::mouseClick(widget, Qt::LeftButton);
}
