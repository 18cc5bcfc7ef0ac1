// The keys a loaded window handles itself (Enter, Escape) and how its close is decided.
#include <QTest>

#include "RuntimeTestSupport.h"
#include "core/runtime/UnitPropertyAccess.h"

using namespace runtime_test;

namespace {

constexpr int32_t kDefaultButton = 9;
constexpr int32_t kDisabled = 6;
constexpr int32_t kMultiLine = 15;
constexpr int32_t kEnterMovesFocus = 8 + 15;
constexpr int32_t kEscapeCloses = 8 + 16;

void Set(uint32_t unit, int32_t property, uint64_t value)
{
    SetUnitProperty(main_window::kWindow, unit, property, -1, value);
}

using Keys = LoadedMainWindow;

TEST_F(Keys, EnterClicksTheDefaultButtonOrMovesTheFocus)
{
    // clang-format off
    const struct {
        const char* what;
        void (*setup)();
        uint32_t focus;
        int key;
        std::vector<int> ran;
        uint32_t focus_after;
        const char* box_text = "<null>";  // what 编辑框1 holds afterwards
    } cases[] = {
        {"a default button anywhere", [] { Set(main_window::kArcSineButton, kDefaultButton, 1); }, main_window::kArcSineOpposite, Qt::Key_Return,
         {kArcSineClickOffset}, main_window::kArcSineOpposite},
        {"the focused default button first",
         [] { Set(main_window::kArcSineButton, kDefaultButton, 1); Set(main_window::kArcTangentButton, kDefaultButton, 1); }, main_window::kArcTangentButton, Qt::Key_Enter,
         {kArcTangentClickOffset}, main_window::kArcTangentButton},
        {"the first default button in record order",
         [] { Set(main_window::kArcSineButton, kDefaultButton, 1); Set(main_window::kArcCosineButton, kDefaultButton, 1); }, main_window::kArcSineOpposite, Qt::Key_Return,
         {kArcCosineClickOffset}, main_window::kArcSineOpposite},
        {"a disabled default button is passed over",
         [] { Set(main_window::kArcSineButton, kDefaultButton, 1); Set(main_window::kArcCosineButton, kDefaultButton, 1); Set(main_window::kArcCosineButton, kDisabled, 1); },
         main_window::kArcSineOpposite, Qt::Key_Return, {kArcSineClickOffset}, main_window::kArcSineOpposite},
        {"Enter moves the focus when the window asks for it",
         [] { Set(0, kEnterMovesFocus, 1); }, main_window::kArcSineOpposite, Qt::Key_Return, {}, main_window::kArcSineButton},
        {"a multi-line box keeps Enter",
         [] { Set(main_window::kArcSineButton, kDefaultButton, 1); Set(main_window::kArcSineOpposite, kMultiLine, 1); }, main_window::kArcSineOpposite, Qt::Key_Return, {}, main_window::kArcSineOpposite,
         "\r\n"},
        {"no default button: nothing", [] {}, main_window::kArcSineButton, Qt::Key_Return, {}, main_window::kArcSineButton},
    };
    // clang-format on
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
        EXPECT_EQ(TakeText(GetUnitProperty(main_window::kWindow, main_window::kArcSineOpposite, 8, -1)),
                  c.box_text);
    }
}

TEST_F(Keys, EscapeDoesNothingWhenEscapeClosesIsOff)
{
    Set(0, kEscapeCloses, 0);
    QTest::keyClick(Widget(main_window::kArcSineOpposite), Qt::Key_Escape);
    EXPECT_TRUE(IsWindowLive(main_window::kWindow));
}

uint32_t g_close_answer = 0;
ProcedureResult AnswerClose(const uint32_t*, int32_t) { return {true, g_close_answer}; }

TEST_F(Keys, ACloseProcedureAnsweringZeroKeepsTheWindow)
{
    RuntimeRecord& own = Record(0);
    own.bindings.push_back({1, 0});
    own.procedures.push_back(&AnswerClose);
    g_close_answer = 0;
    QTest::keyClick(Widget(main_window::kArcSineOpposite), Qt::Key_Escape);
    EXPECT_TRUE(IsWindowLive(main_window::kWindow));
    EXPECT_TRUE(Frame()->isVisible());
    g_close_answer = 1;
    EXPECT_TRUE(Frame()->close());
    EXPECT_FALSE(IsWindowLive(main_window::kWindow));
}

}  // namespace

// A unit that cannot be created fails the whole load and leaves nothing behind.
TEST(LoadFailure, AnUnreadableUnitFailsTheLoad)
{
    StartRuntime();
    RuntimeRecord& box = Record(main_window::kArcSineOpposite);
    box.property_data = {99, 0, 0, 0};  // a version above the kind's maximum
    EXPECT_FALSE(LoadWindow(main_window::kWindow));
    EXPECT_FALSE(IsWindowLive(main_window::kWindow));
    EXPECT_EQ(EventSuppressionCount(), 0);
    for (const RuntimeRecord& record : FindWindow(main_window::kWindow)->records)
        EXPECT_EQ(record.object, nullptr);
    EXPECT_TRUE(Ran().empty());
    EXPECT_EXIT(LoadWindowOrFail(main_window::kWindow), ::testing::ExitedWithCode(255),
                "错误信息：载入启动窗口失败\r\n");
    StopRuntime();
}
