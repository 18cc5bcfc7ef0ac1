// The five buttons end to end on the real window, offscreen: type into the boxes like a
// user, click the button, read the boxes. The window is loaded once for the whole program
// through the frame's own services, as start-up loads it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QIcon>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "ProgramHarness.h"
#include "ProgramWindow.h"
#include "faces/qt/app/Accessibility.h"
#include "faces/qt/app/ApplicationObject.h"
#include "program/Procedures.h"
#include "faces/qt/live/LiveUnits.h"
#include "values/Gbk.h"

namespace {

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new ProgramWindow);

bool WarningShown()
{
    const QWidget* label = UnitWidget(main_window::kAngleWarning);
    return label != nullptr && label->isVisible();
}

struct AngleCase {
    const char* first;
    const char* second;
    const char* expected;
};

void CheckAngleButton(uint32_t first_box, uint32_t second_box, uint32_t result_box, uint32_t button,
                      std::initializer_list<AngleCase> cases)
{
    for (const AngleCase& c : cases) {
        SetBoxText(first_box, c.first);
        SetBoxText(second_box, c.second);
        ClickUnit(button);
        EXPECT_EQ(BoxText(result_box), c.expected) << c.first << " / " << c.second;
        EXPECT_EQ(BoxText(first_box), c.first) << "inputs stay as typed";
    }
}

TEST(EndToEnd, ArcSineButton)
{
    CheckAngleButton(main_window::kArcSineOpposite, main_window::kArcSineHypotenuse,
                     main_window::kArcSineResult, main_window::kArcSineButton,
                     {
                         {"1", "2", "30.00000000086"},
                         {"1", "1", "90.00000000257"},
                         {"-1", "1", "-90.00000000257"},
                         {"0.1", "0.3", "19.47122013196"},  // single-precision inputs
                         {"1", "3", "19.47122063505"},
                         {"12abc", "24", "30.00000000086"},
                         {"3.0000002", "3", "90.00000000257"},  // just beyond 1: taken as 1
                         {"2", "1", ""},                        // out of range: no angle
                         {"1", "0", ""},
                         {"", "", ""},
                         {"１", "２", "30.00000000086"},  // full-width digits
                     });
}

TEST(EndToEnd, ArcTangentButton)
{
    CheckAngleButton(main_window::kArcTangentOpposite, main_window::kArcTangentAdjacent,
                     main_window::kArcTangentResult, main_window::kArcTangentButton,
                     {
                         {"1", "1", "45.00000000129"},
                         {"1", "", "90.00000000257"},
                         {"", "", ""},
                     });
}

TEST(EndToEnd, ArcCosineButton)
{
    CheckAngleButton(main_window::kArcCosineAdjacent, main_window::kArcCosineHypotenuse,
                     main_window::kArcCosineResult, main_window::kArcCosineButton,
                     {
                         {"1", "2", "59.99999999914"},
                         {"1", "1", "-2.572381737566e-009"},
                         {"-1", "1", "180.0000000026"},
                         {"0", "1", "90"},
                         {"1", "-2", "120.0000000009"},
                         {"2", "1", ""},
                         {"", "", ""},
                     });
}

TEST(EndToEnd, FunctionEvaluateButton)
{
    // clang-format off
    const struct { const char* input; const char* expected; } cases[] = {
        {"sin(30)", "0.499999999987"},
        {"tg(45)", "0.9999999999551"},
        {"2*sin(30)", "0.999999999974"},
        {"007", "007"},
        {"12abc", "12"},
        {"３０+1", "31"},
        {"ｓｉｎ（３０）", "0.499999999987"},
        {"", ""},
    };
    // clang-format on
    for (const auto& c : cases) {
        SetBoxText(main_window::kExpression, c.input);
        ClickUnit(main_window::kEvaluateButton);
        EXPECT_EQ(BoxText(main_window::kExpressionResult), c.expected) << c.input;
        EXPECT_EQ(BoxText(main_window::kExpression), c.input) << "the expression stays as typed";
    }
    // A failed evaluation empties a box that held a value.
    SetBoxText(main_window::kExpression, "1+1");
    ClickUnit(main_window::kEvaluateButton);
    ASSERT_EQ(BoxText(main_window::kExpressionResult), "2");
    SetBoxText(main_window::kExpression, "1/0");
    ClickUnit(main_window::kEvaluateButton);
    EXPECT_EQ(BoxText(main_window::kExpressionResult), "");
}

struct SolverCase {
    const char* angle;
    const char* opposite;
    const char* adjacent;
    const char* hypotenuse;
    // The result boxes: opposite, hypotenuse, adjacent.
    const char* result_opposite;
    const char* result_hypotenuse;
    const char* result_adjacent;
};

void FillSolver(const SolverCase& c)
{
    SetBoxText(main_window::kAngle, c.angle);
    SetBoxText(main_window::kKnownOpposite, c.opposite);
    SetBoxText(main_window::kKnownAdjacent, c.adjacent);
    SetBoxText(main_window::kKnownHypotenuse, c.hypotenuse);
}

std::string SolverResults()
{
    return BoxText(main_window::kResultOpposite) + " | " + BoxText(main_window::kResultHypotenuse) + " | " +
           BoxText(main_window::kResultAdjacent);
}

TEST(EndToEnd, SideLengthsButton)
{
    const SolverCase cases[] = {
        {"30", "1", "", "", "1", "2.000000000052", "1.732050807629"},
        {"30", "", "1", "", "0.5773502691697", "1.154700538369", "1"},
        {"30", "", "", "2", "0.999999999974", "2", "1.732050807584"},
        {"60", "", "", "10", "8.660254037695", "10", "5.000000000259"},
        {"45", "", "1", "", "0.9999999999551", "1.414213562341", "1"},
        {"30+15", "", "1", "", "0.9999999999551", "1.414213562341", "1"},
        {"30", "1", "5", "7", "1", "2.000000000052", "1.732050807629"},      // the opposite side wins
        {"30", "-1", "", "2", "0.999999999974", "2", "1.732050807584"},      // a negative side is not given
        {"30", "1.50", "", "", "1.50", "3.000000000078", "2.598076211443"},  // the copy is the typed text
        {"-30", "1", "", "", "1", "-2.000000000052", "-1.732050807629"},
        {"5abc", "1", "", "", "1", "11.473713246", "11.43005230309"},
        {"0.5/0", "1", "", "", "1", "", ""},  // the angle cannot be evaluated: no computed sides
        {"0.5/0", "", "", "2", "", "2", ""},
    };
    for (const SolverCase& c : cases) {
        FillSolver({"", "", "", "", "", "", ""});
        for (uint32_t box :
             {main_window::kResultOpposite, main_window::kResultHypotenuse, main_window::kResultAdjacent})
            SetBoxText(box, "");
        FillSolver(c);
        ClickUnit(main_window::kSideLengthsButton);
        EXPECT_EQ(SolverResults(),
                  std::string(c.result_opposite) + " | " + c.result_hypotenuse + " | " + c.result_adjacent)
            << c.angle << ", " << c.opposite << ", " << c.adjacent << ", " << c.hypotenuse;
        EXPECT_FALSE(WarningShown()) << c.angle;
    }
}

TEST(EndToEnd, SideLengthsWithoutAnAngleShowsTheWarningAndKeepsTheResults)
{
    FillSolver({"30", "1", "", "", "", "", ""});
    ClickUnit(main_window::kSideLengthsButton);
    const std::string before = SolverResults();
    ASSERT_EQ(before, "1 | 2.000000000052 | 1.732050807629");
    for (const char* angle : {"", "0", "0.00000001", "sin(30)", "0+30"}) {
        FillSolver({angle, "2", "", "", "", "", ""});
        ClickUnit(main_window::kSideLengthsButton);
        EXPECT_TRUE(WarningShown()) << angle;
        EXPECT_EQ(SolverResults(), before) << angle;
    }
    // An angle and no side: the warning goes, nothing else changes.
    FillSolver({"30", "", "", "", "", "", ""});
    ClickUnit(main_window::kSideLengthsButton);
    EXPECT_FALSE(WarningShown());
    EXPECT_EQ(SolverResults(), before);
}

// Bad input as a user pastes it. The page's test runs these rows on the page too, so each row
// is a recipe: `unit` repeated `count` times and then `tail`, pasted into `box` while the
// group's other inputs hold `others`; after a click on `button` the box keeps `kept`
// characters and the group's results read `results`. The click times go to the file
// ANGLARIX_CLICK_TIMES names, if any, for the page's test to set its own beside.
constexpr const char* kBinary =
    "\u0001\u0002\u0003\b\t\n\u000B\f\r\u001B\u001F 7(+-*/^)\u007F\u0080\u009F\u00A0\u00AD\u00B2\u00D7\u00FF"
    "\u0131\u0300\u0391\u03C0\u0416\u05D0\u0627\u0660\u07C0\u07FF";

struct BadInputCase {
    const char* unit;
    int count;
    const char* tail;
    uint32_t box;
    const char* others;
    uint32_t button;
    int kept;
    const char* results;  // the group's result boxes, " | " between
};

const main_window::UnitGroup* GroupOf(uint32_t button)
{
    for (const main_window::UnitGroup& group : main_window::kGroups)
        if (group.button == button)
            return &group;
    return nullptr;
}

TEST(EndToEnd, BadInput)
{
    using namespace main_window;
    // clang-format off
    const BadInputCase cases[] = {
        {"1+", 32768, "", kExpression, "", kEvaluateButton, 65536, "32768"},
        {"sin(30)+", 8191, "1", kExpression, "", kEvaluateButton, 65529, "4096.499999998"},
        {"(", 65535, "1", kExpression, "", kEvaluateButton, 65536, "1"},
        {kBinary, 1190, "", kExpression, "", kEvaluateButton, 45220, ""},
        {"\u0001", 65536, "", kExpression, "", kEvaluateButton, 65536, ""},
        {"1+", 32768, "", kArcSineHypotenuse, "1", kArcSineButton, 65536, "90.00000000257"},
        {kBinary, 1190, "", kArcSineOpposite, "2", kArcSineButton, 45220, "0"},
        {"1+", 32768, "", kAngle, "1", kSideLengthsButton, 65536, "1 | 7.185297370052 | 7.11537056632"},
        {kBinary, 1190, "", kKnownOpposite, "30", kSideLengthsButton, 45220, "17.32050807509 | 34.64101615108 | 30"},
        {kBinary, 1190, "", kAngle, "1", kSideLengthsButton, 45220, " |  | "},
    };
    // clang-format on
    const char* times_path = std::getenv("ANGLARIX_CLICK_TIMES");
#ifdef ANGLARIX_CLICK_TIMES_FILE
    if (times_path == nullptr)
        times_path = ANGLARIX_CLICK_TIMES_FILE;
#endif
    std::FILE* times = times_path != nullptr ? std::fopen(times_path, "w") : nullptr;
    for (const BadInputCase& c : cases) {
        const UnitGroup* group = GroupOf(c.button);
        ASSERT_NE(group, nullptr);
        std::vector<QLineEdit*> results;
        group->ForEachBox([&](uint32_t id, bool is_input) {
            auto* box = qobject_cast<QLineEdit*>(UnitWidget(id));
            if (!is_input)
                box->clear(), results.push_back(box);
            else if (id != c.box)
                SetBoxText(id, c.others);
        });
        auto* box = qobject_cast<QLineEdit*>(UnitWidget(c.box));
        ASSERT_NE(box, nullptr);
        box->clear();
        QGuiApplication::clipboard()->setText(QString::fromUtf8(c.unit).repeated(c.count) +
                                              QString::fromUtf8(c.tail));
        box->paste();
        QElapsedTimer timer;
        timer.start();
        ClickUnit(c.button);
        const qint64 elapsed = timer.elapsed();
        QStringList texts;
        for (const QLineEdit* result : results)
            texts << result->text();
        EXPECT_EQ(box->text().size(), c.kept) << c.unit << " x " << c.count;
        EXPECT_EQ(texts.join(QStringLiteral(" | ")).toStdString(), c.results) << c.unit << " x " << c.count;
        EXPECT_LT(elapsed, 5000) << c.unit << " x " << c.count;
        if (times != nullptr)
            std::fprintf(times, "%lld\n", static_cast<long long>(elapsed));
    }
    if (times != nullptr)
        std::fclose(times);
}

std::string FocusedUnitName()
{
    RuntimeWindow* window = FindWindow(main_window::kWindow);
    const RuntimeRecord* record = window != nullptr ? FocusedRecord(*window) : nullptr;
    return record != nullptr ? GbkToUtf8(record->name) : std::string("-");
}

// Tab goes in reading order, group by group, and wraps; Shift+Tab goes back the same way.
// The X client and the page walk this table too.
TEST(EndToEnd, TabFollowsTheReadingOrder)
{
    // clang-format off
    const struct { const char* unit; } order[] = {
        {"编辑框1"},
        {"编辑框9"},
        {"按钮1"},
        {"编辑框2"},
        {"编辑框4"},
        {"编辑框8"},
        {"按钮2"},
        {"编辑框3"},
        {"编辑框6"},
        {"编辑框7"},
        {"按钮3"},
        {"编辑框5"},
        {"编辑框10"},
        {"按钮4"},
        {"编辑框11"},
        {"编辑框12"},
        {"编辑框13"},
        {"编辑框15"},
        {"编辑框14"},
        {"按钮5"},
        {"编辑框18"},
        {"编辑框17"},
        {"编辑框16"},
    };
    // clang-format on
    const size_t count = std::size(order);
    UnitWidget(main_window::kArcSineOpposite)->setFocus(Qt::MouseFocusReason);
    for (size_t i = 1; i <= count; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(FocusedUnitName(), order[i % count].unit) << "Tab from " << order[i - 1].unit;
    }
    for (size_t i = count; i-- > 0;) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(FocusedUnitName(), order[i].unit) << "Shift+Tab from " << order[(i + 1) % count].unit;
    }
}

// Enter on a focused button clicks it, as Space does; the page runs this table too.
TEST(EndToEnd, EnterOnAFocusedButtonClicksIt)
{
    using namespace main_window;
    // clang-format off
    const struct {
        uint32_t first;
        const char* first_text;
        uint32_t second;
        const char* second_text;
        uint32_t button;
        uint32_t result;
        const char* expected;
    } cases[] = {
        {kArcSineOpposite, "1", kArcSineHypotenuse, "2", kArcSineButton, kArcSineResult, "30.00000000086"},
        {kArcTangentOpposite, "1", kArcTangentAdjacent, "1", kArcTangentButton, kArcTangentResult, "45.00000000129"},
        {kArcCosineAdjacent, "1", kArcCosineHypotenuse, "2", kArcCosineButton, kArcCosineResult, "59.99999999914"},
        {kExpression, "sin(30)", kExpression, "sin(30)", kEvaluateButton, kExpressionResult, "0.499999999987"},
        {kAngle, "30", kKnownOpposite, "1", kSideLengthsButton, kResultHypotenuse, "2.000000000052"},
    };
    // clang-format on
    for (const auto& c : cases) {
        for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
            SetBoxText(c.first, c.first_text);
            SetBoxText(c.second, c.second_text);
            SetBoxText(c.result, "");
            UnitWidget(c.button)->setFocus(Qt::TabFocusReason);
            QTest::keyClick(QApplication::focusWidget(), key,
                            key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            EXPECT_EQ(BoxText(c.result), c.expected) << std::hex << c.button;
        }
    }
}

// Copy works in the read-only result boxes too, and the edit menu is in Chinese.
TEST(EndToEnd, ResultBoxesCopyAndTheEditMenuIsChinese)
{
    SetBoxText(main_window::kArcSineOpposite, "1");
    SetBoxText(main_window::kArcSineHypotenuse, "2");
    ClickUnit(main_window::kArcSineButton);
    auto* result = qobject_cast<QLineEdit*>(UnitWidget(main_window::kArcSineResult));
    ASSERT_NE(result, nullptr);
    EXPECT_TRUE(result->isReadOnly());
    result->selectAll();
    result->copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "30.00000000086");

    auto* input = qobject_cast<QLineEdit*>(UnitWidget(main_window::kExpression));
    ASSERT_NE(input, nullptr);
    input->clear();
    input->paste();
    EXPECT_EQ(input->text().toStdString(), "30.00000000086");

    QMenu* menu = input->createStandardContextMenu();
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << action->text();
    delete menu;
    const QString joined = texts.join(QLatin1Char('|'));
    for (const char* word : {"复制", "粘贴", "全选"})
        EXPECT_TRUE(joined.contains(QString::fromUtf8(word))) << joined.toStdString();
}

TEST(EndToEnd, EditBoxesAreNamedByGroupAndLabel)
{
    // clang-format off
    const struct { uint32_t unit; const char* name; } cases[] = {
        {main_window::kArcSineOpposite, "反正弦 对边长度"},
        {main_window::kArcTangentAdjacent, "反正切 邻边长度"},
        {main_window::kArcCosineResult, "反余弦 计算角度"},
        {main_window::kExpression, "函数计算 输入三角函数"},
        {main_window::kAngle, "已知数据 角度"},
        {main_window::kResultHypotenuse, "计算结果 斜边长度"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const QWidget* widget = UnitWidget(c.unit);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->accessibleName().toStdString(), c.name);
    }
    const QWidget* diagram = UnitWidget(0x16010164);
    ASSERT_NE(diagram, nullptr);
    EXPECT_FALSE(diagram->accessibleDescription().isEmpty());
}

TEST(EndToEnd, TheWindowCarriesTheProgramIcon)
{
    const QIcon icon = UnitWidget(0)->windowIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.pixmap(QSize(256, 256)).size(), QSize(256, 256));
    EXPECT_EQ(icon.pixmap(QSize(32, 32)).size(), QSize(32, 32));
}

// Showing the warning "角度必须输入" raises an accessibility alert from the warning label.
TEST(EndToEnd, TheAngleWarningRaisesAnAlert)
{
    static std::vector<QObject*> alerts;
    App().observers.alert = [](QObject* source) { alerts.push_back(source); };
    FillSolver({"30", "", "", "", "", "", ""});
    ClickUnit(main_window::kSideLengthsButton);
    ASSERT_FALSE(WarningShown());
    alerts.clear();
    FillSolver({"", "1", "", "", "", "", ""});
    ClickUnit(main_window::kSideLengthsButton);
    ASSERT_TRUE(WarningShown());
    App().observers.alert = nullptr;
    ASSERT_EQ(alerts.size(), 1u);
    EXPECT_EQ(alerts.front(), UnitWidget(main_window::kAngleWarning));
    EXPECT_EQ(UnitWidget(main_window::kAngleWarning)->accessibleName().toStdString(), "角度必须输入");
}

}  // namespace
