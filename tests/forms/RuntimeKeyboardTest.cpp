// The keys a loaded window handles itself (Enter, Escape) and how its close is decided.
#include <QTest>

#include "RuntimeTestSupport.h"
#include "forms/runtime/UnitProperties.h"

using namespace runtime_test;

namespace {

constexpr uint32_t kEdit1 = 0x1601013A;
constexpr uint32_t kButton1 = 0x1601013B;  // ArcSineClick
constexpr uint32_t kButton2 = 0x1601014F;  // ArcTangentClick
constexpr uint32_t kButton3 = 0x16010159;  // ArcCosineClick
constexpr int32_t kDefaultButton = 9;
constexpr int32_t kDisabled = 6;
constexpr int32_t kMultiLine = 15;
constexpr int32_t kEnterMovesFocus = 8 + 15;
constexpr int32_t kEscapeCloses = 8 + 16;

void Set(uint32_t unit, int32_t property, uint64_t value)
{
    SetUnitProperty(kMainWindowId, unit, property, -1, value);
}

using Keys = LoadedMainWindow;

TEST_F(Keys, EnterClicksTheDefaultButtonOrMovesTheFocus)
{
    const struct {
        const char* what;
        void (*setup)();
        uint32_t focus;
        int key;
        std::vector<int> ran;
        uint32_t focus_after;
        const char* box_text = "<null>";  // what 编辑框1 holds afterwards
    } cases[] = {
        {"a default button anywhere", [] { Set(kButton1, kDefaultButton, 1); }, kEdit1, Qt::Key_Return,
         {kArcSineClickOffset}, kEdit1},
        {"the focused default button first",
         [] { Set(kButton1, kDefaultButton, 1); Set(kButton2, kDefaultButton, 1); }, kButton2, Qt::Key_Enter,
         {kArcTangentClickOffset}, kButton2},
        {"the first default button in record order",
         [] { Set(kButton1, kDefaultButton, 1); Set(kButton3, kDefaultButton, 1); }, kEdit1, Qt::Key_Return,
         {kArcCosineClickOffset}, kEdit1},
        {"a disabled default button is passed over",
         [] { Set(kButton1, kDefaultButton, 1); Set(kButton3, kDefaultButton, 1); Set(kButton3, kDisabled, 1); },
         kEdit1, Qt::Key_Return, {kArcSineClickOffset}, kEdit1},
        {"Enter moves the focus when the window asks for it",
         [] { Set(0, kEnterMovesFocus, 1); }, kEdit1, Qt::Key_Return, {}, kButton1},
        {"a multi-line box keeps Enter",
         [] { Set(kButton1, kDefaultButton, 1); Set(kEdit1, kMultiLine, 1); }, kEdit1, Qt::Key_Return, {}, kEdit1,
         "\r\n"},
        {"no default button: nothing", [] {}, kButton1, Qt::Key_Return, {}, kButton1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        StopRuntime();
        SetUp();
        c.setup();
        Widget(c.focus)->setFocus();
        Ran().clear();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(c.key));
        EXPECT_EQ(Ran(), c.ran);
        EXPECT_EQ(QApplication::focusWidget(), Widget(c.focus_after));
        EXPECT_EQ(TakeText(GetUnitProperty(kMainWindowId, kEdit1, 8, -1)), c.box_text);
    }
}

TEST_F(Keys, EscapeDoesNothingWhenEscapeClosesIsOff)
{
    Set(0, kEscapeCloses, 0);
    QTest::keyClick(Widget(kEdit1), Qt::Key_Escape);
    EXPECT_TRUE(IsWindowLive(kMainWindowId));
}

uint32_t g_close_answer = 0;
ProcedureResult AnswerClose(const uint32_t*, int32_t) { return {true, g_close_answer}; }

TEST_F(Keys, ACloseProcedureAnsweringZeroKeepsTheWindow)
{
    RuntimeRecord& own = Record(0);
    own.bindings.push_back({1, 0});
    own.procedures.push_back(&AnswerClose);
    g_close_answer = 0;
    QTest::keyClick(Widget(kEdit1), Qt::Key_Escape);
    EXPECT_TRUE(IsWindowLive(kMainWindowId));
    EXPECT_TRUE(Frame()->isVisible());
    g_close_answer = 1;
    EXPECT_TRUE(Frame()->close());
    EXPECT_FALSE(IsWindowLive(kMainWindowId));
}

}  // namespace

// A unit that cannot be created fails the whole load and leaves nothing behind.
TEST(LoadFailure, AnUnreadableUnitFailsTheLoad)
{
    StartRuntime();
    RuntimeRecord& box = Record(kEdit1);
    box.property_data = {99, 0, 0, 0};  // a version above the kind's maximum
    EXPECT_FALSE(LoadWindow(kMainWindowId));
    EXPECT_FALSE(IsWindowLive(kMainWindowId));
    EXPECT_EQ(EventSuppressionCount(), 0);
    for (const RuntimeRecord& record : FindWindow(kMainWindowId)->records)
        EXPECT_EQ(record.object, nullptr);
    EXPECT_TRUE(Ran().empty());
    EXPECT_EXIT(LoadWindowOrFail(kMainWindowId), ::testing::ExitedWithCode(255),
                "错误信息：载入启动窗口失败\r\n");
    StopRuntime();
}
