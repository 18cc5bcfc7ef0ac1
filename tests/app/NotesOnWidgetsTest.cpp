// The notes at the boxes and Enter, on the real window offscreen: each reason a click can
// leave, what hovering shows, when a note goes, and Enter in every group.
#include <gtest/gtest.h>

#include <QHelpEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QTest>
#include <QToolTip>

#include "faces/qt/app/ScreenNote.h"

#include <string>
#include <vector>

#include "ProgramHarness.h"
#include "ProgramWindow.h"
#include "program/Notes.h"

namespace {

using namespace main_window;

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new ProgramWindow);

std::string Description(uint32_t box) { return UnitWidget(box)->accessibleDescription().toStdString(); }

// What hovering the box shows.
std::string Hover(uint32_t box)
{
    QWidget* widget = UnitWidget(box);
    QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), widget->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(widget, &hover);
    return QToolTip::isVisible() ? QToolTip::text().toStdString() : std::string();
}

struct Click {
    std::vector<std::pair<uint32_t, const char*>> boxes;
    uint32_t button;
    uint32_t noted;    // the box the note is at
    const char* note;  // the note's words
};

TEST(NotesOnWidgets, EachReasonIsNotedAtItsBox)
{
    // clang-format off
    const Click clicks[] = {
        {{{kArcSineOpposite, "2"}, {kArcSineHypotenuse, "1"}}, kArcSineButton, kArcSineResult, "两边之比超出 -1 到 1 的范围"},
        {{{kArcCosineAdjacent, ""}, {kArcCosineHypotenuse, ""}}, kArcCosineButton, kArcCosineResult, "两条边都是 0 或为空"},
        {{{kArcTangentOpposite, "0"}, {kArcTangentAdjacent, "0"}}, kArcTangentButton, kArcTangentResult, "两条边都是 0 或为空"},
        {{{kExpression, ""}}, kEvaluateButton, kExpressionResult, "表达式为空"},
        {{{kExpression, "abc"}}, kEvaluateButton, kExpressionResult, "表达式里没有可以计算的内容"},
        {{{kExpression, "1+()"}}, kEvaluateButton, kExpressionResult, "括号里是空的"},
        {{{kExpression, "1/0"}}, kEvaluateButton, kExpressionResult, "除以 0 或过小的数"},
        {{{kExpression, "2^1024"}}, kEvaluateButton, kExpressionResult, "数值太大，溢出"},
        {{{kExpression, "(0-8)^(1/3)"}}, kEvaluateButton, kExpressionResult, "乘方没有实数结果"},
        {{{kExpression, "sin(30)sin(30)"}}, kEvaluateButton, kExpressionResult, "结果不是一个数"},
        {{{kAngle, "0.5/0"}, {kKnownOpposite, "1"}, {kKnownAdjacent, ""}, {kKnownHypotenuse, ""}},
         kSideLengthsButton, kResultAdjacent, "角度无法计算"},
        {{{kAngle, "5-5"}, {kKnownOpposite, "1"}}, kSideLengthsButton, kResultHypotenuse, "边长太大，溢出"},
        {{{kAngle, "30"}, {kKnownOpposite, ""}, {kKnownAdjacent, "0"}, {kKnownHypotenuse, ""}},
         kSideLengthsButton, kKnownOpposite, "没有大于 0 的边"},
    };
    // clang-format on
    for (const Click& c : clicks) {
        for (const auto& [box, text] : c.boxes)
            SetBoxText(box, text);
        ClickUnit(c.button);
        EXPECT_EQ(Description(c.noted), c.note) << c.note;
        EXPECT_EQ(ScreenNoteText().toStdString(), c.note) << "shown at once";
        EXPECT_EQ(Hover(c.noted), c.note) << "and again on hover";
    }
}

TEST(NotesOnWidgets, IgnoredCharactersAreNamed)
{
    SetBoxText(kExpression, "Sin(30)");
    ClickUnit(kEvaluateButton);
    EXPECT_EQ(BoxText(kExpressionResult), "30");
    const std::string note = Description(kExpressionResult);
    EXPECT_EQ(note.find("按 (30) 计算\n已忽略：Sin"), 0u) << note;
    EXPECT_NE(note.find("sin cos tg ctg"), std::string::npos) << note;
    EXPECT_EQ(ScreenNoteText().toStdString(), note) << "shown at once";
}

TEST(NotesOnWidgets, ANoteGoesWhenAnInputChangesOrTheClickSucceeds)
{
    SetBoxText(kArcSineOpposite, "2");
    SetBoxText(kArcSineHypotenuse, "1");
    ClickUnit(kArcSineButton);
    ASSERT_FALSE(Description(kArcSineResult).empty() || Description(kArcSineResult) == "角度，以度为单位");
    QTest::keyClicks(UnitWidget(kArcSineHypotenuse), "0");
    EXPECT_EQ(Description(kArcSineResult), "角度，以度为单位") << "back to what the box holds";
    EXPECT_TRUE(ScreenNoteText().isEmpty()) << "and its note";

    SetBoxText(kExpression, "1/0");
    ClickUnit(kEvaluateButton);
    SetBoxText(kExpression, "1+1");  // typed: the note goes already
    ClickUnit(kEvaluateButton);
    EXPECT_EQ(BoxText(kExpressionResult), "2");
    EXPECT_EQ(Description(kExpressionResult), "");
}

// A result wider than its box shows whole on hover; inputs say what they take.
TEST(NotesOnWidgets, HoverShowsTheWholeResultAndWhatInputsTake)
{
    SetBoxText(kArcSineOpposite, "1");
    SetBoxText(kArcSineHypotenuse, "2");
    ClickUnit(kArcSineButton);
    EXPECT_EQ(Hover(kArcSineResult), "arcsin(1 ÷ 2) = 30.00000000086°\n= 30°00′00.00″")
        << "the working holds the whole result";
    EXPECT_EQ(Hover(kAngle), "角度，以度为单位；也可以写算式，例如 30+15");
    EXPECT_NE(Hover(kExpression).find("sin cos tg ctg"), std::string::npos);
    SetBoxText(kExpression, "2*3");
    ClickUnit(kEvaluateButton);
    EXPECT_EQ(Hover(kExpressionResult), "") << "a short result needs no note";
    QTest::keyClick(UnitWidget(kEvaluateButton), Qt::Key_Tab);
    EXPECT_TRUE(ScreenNoteText().isEmpty()) << "nor when reached by Tab";
    // Forty digits without an operator come back as typed, wider than the box.
    const std::string digits(40, '9');
    SetBoxText(kExpression, digits.c_str());
    ClickUnit(kEvaluateButton);
    QTest::keyClick(UnitWidget(kEvaluateButton), Qt::Key_Tab);
    EXPECT_EQ(ScreenNoteText().toStdString(), digits) << "reached by Tab, the whole value as on hover";
}

// A multi-line box has its notes as a single-line one does: the reason, and its whole text on
// hover, also after the box was rebuilt multi-line.
TEST(NotesOnWidgets, AMultiLineBoxHasNotesToo)
{
    constexpr int32_t kMultiLine = kFirstOwnProperty + EditBoxOwn::MultiLine;
    Services().SetUnitProperty(kWindow, kExpressionResult, kMultiLine, -1, 1);
    ASSERT_EQ(qobject_cast<QLineEdit*>(UnitWidget(kExpressionResult)), nullptr);
    SetBoxText(kExpression, "1/0");
    ClickUnit(kEvaluateButton);
    EXPECT_EQ(Description(kExpressionResult), "除以 0 或过小的数");
    EXPECT_EQ(Hover(kExpressionResult), "除以 0 或过小的数");
    SetBoxText(kExpression, "1+1");
    EXPECT_EQ(Description(kExpressionResult), "") << "typing takes it away";
    const std::string wide = "12345678901234567890 12345678901234567890";
    Services().SetUnitProperty(kWindow, kExpressionResult, kBoxText, -1, uint64_t(uintptr_t(wide.c_str())));
    EXPECT_EQ(Hover(kExpressionResult), wide);
    Services().SetUnitProperty(kWindow, kExpressionResult, kMultiLine, -1, 0);
}

// A result of tens of thousands of digits shows whole on hover, wrapped in a note that fits on
// the screen and scrolls; working out that it is wider than its box measures little of it.
TEST(NotesOnWidgets, ALongResultShowsWholeInAWrappedScrollingNote)
{
    const std::string digits(65536, '7');
    Services().SetUnitProperty(kWindow, kExpressionResult, kBoxText, -1, uint64_t(uintptr_t(digits.c_str())));
    static size_t measured = 0;
    const NoteMeasure counting{[](uint32_t, const std::string& utf8) {
                                   measured += utf8.size();
                                   return int(utf8.size()) * 8;
                               },
                               [](uint32_t) { return 200; }};
    EXPECT_EQ(NoteHoverText(kExpressionResult, counting), digits);
    EXPECT_LT(measured, 1000u) << "measured only as far as the box shows";

    Hover(kExpressionResult);
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000)) << "not a tool tip";
    QPlainTextEdit* note = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->objectName() == QLatin1String("anglarixLongNote"))
            note = qobject_cast<QPlainTextEdit*>(widget);
    }
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->toPlainText().toStdString(), digits);
    EXPECT_TRUE(note->screen()->availableGeometry().contains(note->geometry()));
    EXPECT_GT(note->document()->firstBlock().layout()->lineCount(), 100) << "wrapped";
    EXPECT_GT(note->verticalScrollBar()->maximum(), 0) << "scrolls";
    QTest::keyClick(UnitWidget(kExpression), Qt::Key_Shift);
    EXPECT_FALSE(note->isVisible()) << "a key takes it away";

    // Megabytes show their ends around an ellipsis, the whole in the box: laying all of it out
    // in a note took minutes.
    const std::string huge = "1" + std::string(4 << 20, '2') + "3";
    Services().SetUnitProperty(kWindow, kExpressionResult, kBoxText, -1, uint64_t(uintptr_t(huge.c_str())));
    Hover(kExpressionResult);
    EXPECT_TRUE(note->isVisible());
    const std::string shown = note->toPlainText().toStdString();
    EXPECT_LE(shown.size(), 65536u);
    EXPECT_EQ(shown.front(), '1');
    EXPECT_EQ(shown.back(), '3');
    EXPECT_NE(shown.find(" … "), std::string::npos);
    SetBoxText(kExpressionResult, "");
}

TEST(NotesOnWidgets, EnterInAnyBoxClicksItsGroupsButton)
{
    // clang-format off
    const struct {
        std::vector<std::pair<uint32_t, const char*>> boxes;
        uint32_t pressed_in;
        Qt::Key key;
        uint32_t result;
        const char* expected;
    } cases[] = {
        {{{kArcSineOpposite, "1"}, {kArcSineHypotenuse, "2"}}, kArcSineHypotenuse, Qt::Key_Return, kArcSineResult, "30.00000000086"},
        {{{kArcTangentOpposite, "1"}, {kArcTangentAdjacent, "1"}}, kArcTangentOpposite, Qt::Key_Enter, kArcTangentResult, "45.00000000129"},
        {{{kArcCosineAdjacent, "1"}, {kArcCosineHypotenuse, "2"}}, kArcCosineResult, Qt::Key_Return, kArcCosineResult, "59.99999999914"},
        {{{kExpression, "sin(30)"}}, kExpression, Qt::Key_Enter, kExpressionResult, "0.499999999987"},
        {{{kAngle, "30"}, {kKnownOpposite, "1"}}, kKnownHypotenuse, Qt::Key_Return, kResultHypotenuse, "2.000000000052"},
    };
    // clang-format on
    for (const auto& c : cases) {
        for (const auto& [box, text] : c.boxes)
            SetBoxText(box, text);
        SetBoxText(c.result, "");
        QTest::keyClick(UnitWidget(c.pressed_in), c.key,
                        c.key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        EXPECT_EQ(BoxText(c.result), c.expected);
    }
}

}  // namespace
