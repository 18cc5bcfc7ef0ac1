// Event dispatch and the fatal errors of the runtime, on the program's real template.
#include <unistd.h>

#include <cstdio>

#include "RuntimeTestSupport.h"
#include "core/runtime/UnitPropertyAccess.h"
#include "values/Blocks.h"
#include "values/RuntimeError.h"

using namespace runtime_test;

namespace {


class EventDispatch : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::testing::FLAGS_gtest_death_test_style = "threadsafe";
        StartRuntime();
    }
    void TearDown() override { StopRuntime(); }
};

EventSource g_seen_source;
uint32_t g_seen_args[6];
int32_t g_seen_count = -1;

ProcedureResult Observe(const uint32_t* args, int32_t count)
{
    g_seen_source = CurrentEventSource();
    g_seen_count = count;
    for (int32_t i = 0; i < count; ++i)
        g_seen_args[i] = args[i];
    return {true, 0x1234};
}

TEST_F(EventDispatch, EachBindingCallsItsProcedure)
{
    // clang-format off
    const struct { uint32_t unit; int32_t event; int expected; } cases[] = {
        {main_window::kArcTangentButton, 0, kArcTangentClickOffset},  // handler offset 0 is a real binding
        {main_window::kArcSineButton, 0, kArcSineClickOffset},
        {0x16010159, 0, kArcCosineClickOffset},
        {0x16011DCF, 0, kFunctionEvaluateClickOffset},
        {0x16011DF2, 0, kSideLengthsClickOffset},
        {0, 0, kWindowEventNoOpOffset},
        {main_window::kWindowRecord, 0, kWindowEventNoOpOffset},
    };
    // clang-format on
    for (const auto& c : cases) {
        Ran().clear();
        EXPECT_TRUE(RaiseEventFromRuntime(main_window::kWindow, c.unit, c.event)) << std::hex << c.unit;
        EXPECT_EQ(Ran(), std::vector<int>{c.expected}) << std::hex << c.unit;
    }
}

TEST_F(EventDispatch, AnEventWithoutABindingDoesNothing)
{
    // clang-format off
    const struct { uint32_t unit; int32_t event; } cases[] = {
        {main_window::kArcSineOpposite, 0}, {main_window::kArcSineButton, 1}, {main_window::kArcSineButton, -7}, {0, 1}, {0, 3}, {0, 4}, {0x16011DF4, 0},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_FALSE(RaiseEventFromRuntime(main_window::kWindow, c.unit, c.event)) << std::hex << c.unit;
        EXPECT_TRUE(Ran().empty());
    }
}

TEST_F(EventDispatch, SuppressionCounterStopsEventsAndNeverGoesBelowZero)
{
    RuntimeNotify(kNotifySuppressEvents, 0, 0);
    RuntimeNotify(kNotifySuppressEvents, 0, 0);
    EXPECT_EQ(EventSuppressionCount(), 2);
    EXPECT_FALSE(RaiseEventFromRuntime(main_window::kWindow, main_window::kArcSineButton, 0));
    RuntimeNotify(kNotifyResumeEvents, 0, 0);
    EXPECT_FALSE(RaiseEventFromRuntime(main_window::kWindow, main_window::kArcSineButton, 0));
    RuntimeNotify(kNotifyResumeEvents, 0, 0);
    RuntimeNotify(kNotifyResumeEvents, 0, 0);
    EXPECT_EQ(EventSuppressionCount(), 0);
    EXPECT_TRUE(Ran().empty());
    EXPECT_TRUE(RaiseEventFromRuntime(main_window::kWindow, main_window::kArcSineButton, 0));
    EXPECT_EQ(Ran(), std::vector<int>{kArcSineClickOffset});
}

// Raises the arcsine button's event from inside a procedure, as a property write does, and
// notes the source once that inner procedure has returned.
EventSource g_source_after_inner;
ProcedureResult RaiseInner(const uint32_t*, int32_t)
{
    RaiseEventFromRuntime(main_window::kWindow, main_window::kArcSineButton, 0);
    g_source_after_inner = CurrentEventSource();
    return {true, 0x1234};
}

TEST_F(EventDispatch, ProcedureSeesItsSourceAndArgumentsAndReturnsItsValue)
{
    Record(main_window::kArcSineButton).procedures[0] = &Observe;
    Record(0).procedures[0] = &Observe;
    Record(main_window::kArcTangentButton).procedures[0] = &RaiseInner;
    // clang-format off
    const struct { uint32_t unit; int32_t count; uint32_t expected_unit; int32_t expected_count; } cases[] = {
        {main_window::kArcSineButton, 3, main_window::kArcSineButton, 3},
        {0, 0, main_window::kWindowRecord, 0},   // the window's own record stands for unit id 0
        {main_window::kArcSineButton, 9, main_window::kArcSineButton, 5}, // a damaged count never reads past the five arguments
        {main_window::kArcSineButton, -2, main_window::kArcSineButton, 0},
        // the inner event's source; the inner return clears it rather than giving the outer back
        {main_window::kArcTangentButton, 0, main_window::kArcSineButton, 0},
    };
    // clang-format on
    for (const auto& c : cases) {
        g_source_after_inner = {1, 1};
        EventRecord event;
        event.window_id = main_window::kWindow;
        event.unit_id = c.unit;
        event.arg_count = c.count;
        for (uint32_t i = 0; i < 5; ++i)
            event.args[i] = 10 + i;
        EXPECT_EQ(RuntimeNotify(kNotifyRaiseEvent, reinterpret_cast<intptr_t>(&event), 0), 1);
        EXPECT_EQ(g_seen_source.window_id, main_window::kWindow);
        EXPECT_EQ(g_seen_source.unit_id, c.expected_unit);
        ASSERT_EQ(g_seen_count, c.expected_count);
        for (int32_t i = 0; i < c.expected_count; ++i)
            EXPECT_EQ(g_seen_args[i], 10u + i);
        EXPECT_EQ(event.has_result, 1);
        EXPECT_EQ(event.result, 0x1234u);
        EXPECT_EQ(CurrentEventSource().unit_id, 0u);  // cleared once the procedure returned
        if (c.unit == main_window::kArcTangentButton)
            EXPECT_EQ(g_source_after_inner.unit_id, 0u);
    }
}

TEST_F(EventDispatch, EventOwnerLendsBindingsOnlyWithinTheSameKind)
{
    Record(main_window::kArcSineButton).event_owner = main_window::kArcTangentButton;
    EXPECT_TRUE(RaiseEventFromRuntime(main_window::kWindow, main_window::kArcSineButton, 0));
    EXPECT_EQ(Ran(), std::vector<int>{kArcTangentClickOffset});

    // An edit box cannot borrow a button's bindings.
    Ran().clear();
    Record(main_window::kArcSineOpposite).event_owner = main_window::kArcTangentButton;
    EXPECT_FALSE(RaiseEventFromRuntime(main_window::kWindow, main_window::kArcSineOpposite, 0));

    // A chain that loops ends instead of hanging.
    Record(main_window::kArcTangentButton).event_owner = main_window::kArcSineButton;
    RaiseEventFromRuntime(main_window::kWindow, main_window::kArcSineButton, 0);
    EXPECT_EQ(Ran().size(), 1u);
}

TEST_F(EventDispatch, TheQtLibraryDescribesTheSixKinds)
{
    const LibraryDescriptor& library = QtLibrary();
    EXPECT_EQ(library.type_count, 51);
    EXPECT_EQ(library.command_count, 17);
    EXPECT_EQ(UnitRuntimeEntry(), &RuntimeNotify);  // handed over by notification 1
    // clang-format off
    const struct { uint32_t code; const char* name; const char* english; uint32_t flags; uint32_t count; } kinds[] = {
        {0x00010001, "窗口", "window", 0x800000D0, 32},
        {0x00010005, "编辑框", "EditBox", 0x80000040, 29},
        {0x00010006, "图片框", "PicBox", 0x840100C0, 15},
        {0x00010007, "外形框", "ShapeBox", 0x840100C0, 15},
        {0x0001000A, "标签", "Label", 0x84012040, 29},
        {0x0001000B, "按钮", "Button", 0x80000840, 14},
    };
    // clang-format on
    for (const auto& k : kinds) {
        const UnitTypeDescriptor* type = FindUnitType(k.code);
        ASSERT_NE(type, nullptr) << k.english;
        EXPECT_EQ(type, &library.types[(k.code & 0xFFFF) - 1]);
        EXPECT_EQ(std::string(type->name), Gbk(k.name));
        EXPECT_STREQ(type->english_name, k.english);
        EXPECT_EQ(type->kind_flags, k.flags);
        EXPECT_EQ(type->property_count, k.count);
        for (int32_t number : {1, 4, 5, 6})
            EXPECT_NE(KindEntry(k.code, number), nullptr) << k.english << " " << number;
        EXPECT_EQ(KindEntry(k.code, kEntryWantsKey) != nullptr, k.code == 0x00010005) << k.english;
    }
    // Empty slots, slots beyond the table and other libraries name no kind.
    for (uint32_t code : {0x00010002u, 0x00010033u, 0x00010034u, 0x00020001u, 0x00010000u, 0u})
        EXPECT_EQ(FindUnitType(code), nullptr) << std::hex << code;
    EXPECT_EQ(DeclaredType(0x00010005, 8), PROP_TEXT);
    EXPECT_EQ(DeclaredType(0x00010005, 29), 0);
    EXPECT_EQ(DeclaredType(0x00010005, -1), 0);
}

TEST_F(EventDispatch, NotificationAllocatesRuntimeBlocks)
{
    void* block = reinterpret_cast<void*>(RuntimeNotify(kNotifyAllocateBlock, 16, 0));
    ASSERT_NE(block, nullptr);
    FreeBlock(block);
    EXPECT_EQ(RuntimeNotify(12345, 0, 0), 0);
}

// The fatal errors: the message on stderr (GBK shown as UTF-8) and exit status 255.
void RaiseFor(uint32_t window_id, uint32_t unit_id) { RaiseEventFromRuntime(window_id, unit_id, 0); }

TEST_F(EventDispatch, FatalErrorsOfEventsAndProperties)
{
    EXPECT_EXIT(RaiseFor(0x52010002, main_window::kArcSineButton), ::testing::ExitedWithCode(255),
                "错误信息：未找到引发事件的窗口\r\n");
    EXPECT_EXIT(RaiseFor(main_window::kWindow, 0x16019999), ::testing::ExitedWithCode(255),
                "错误信息：未找到引发事件的窗口组件\r\n");
    EXPECT_EXIT(
        {
            Record(main_window::kArcSineButton).kind = 0x00010002;  // an empty slot of the unit-type table
            RaiseFor(main_window::kWindow, main_window::kArcSineButton);
        },
        ::testing::ExitedWithCode(255), "错误信息：引发事件的窗口组件无效\r\n");
    EXPECT_EXIT(GetUnitProperty(0x52010002, main_window::kArcSineOpposite, 0, -1),
                ::testing::ExitedWithCode(255), "错误信息：未载入欲访问窗口组件所在的窗口\r\n");
    EXPECT_EXIT(SetUnitProperty(0x52010002, main_window::kArcSineOpposite, 8, -1, 0),
                ::testing::ExitedWithCode(255), "错误信息：未载入欲访问窗口组件所在的窗口\r\n");
    EXPECT_EXIT(GetUnitProperty(main_window::kWindow, 0x16019999, 0, -1), ::testing::ExitedWithCode(255),
                "错误信息：未载入欲访问窗口组件所在的窗口\r\n");
    // Own properties before the window is loaded.
    EXPECT_EXIT(GetUnitProperty(main_window::kWindow, main_window::kArcSineOpposite, 8, -1),
                ::testing::ExitedWithCode(255), "错误信息：指定窗口尚未载入\r\n");
    EXPECT_EXIT(SetUnitProperty(main_window::kWindow, main_window::kArcSineOpposite, 8, -1, 0),
                ::testing::ExitedWithCode(255), "错误信息：指定窗口尚未载入\r\n");
    EXPECT_EXIT(LoadWindowOrFail(0x52010002), ::testing::ExitedWithCode(255), "错误信息：载入启动窗口失败\r\n");
}

TEST_F(EventDispatch, DamagedTemplateIsFatal)
{
    const std::vector<uint8_t> bytes(MainWindowTemplate, MainWindowTemplate + MainWindowTemplateSize);
    const std::span<const uint8_t> cut(bytes.data(), bytes.size() - 1);
    EXPECT_EXIT(LoadProgramWindows(cut, kProcedures), ::testing::ExitedWithCode(255),
                "错误信息：载入窗口模板数据段出错!\r\n");
    // A handler offset beyond the procedure area names no procedure.
    const std::span<const Procedure> short_area(kProcedures, 3);
    EXPECT_EXIT(LoadProgramWindows(bytes, short_area), ::testing::ExitedWithCode(255),
                "错误信息：载入窗口模板数据段出错!\r\n");
}

// While the error box is up no event reaches a procedure: the report raises the counter for
// good before it shows anything.
void PresentAndTryAnEvent(const std::string&)
{
    const bool ran = RaiseEventFromRuntime(main_window::kWindow, main_window::kArcSineButton, 0);
    std::fprintf(stderr, "ran=%d\n", ran ? 1 : 0);
}

TEST_F(EventDispatch, ErrorReportSuppressesEventsForGood)
{
    EXPECT_EXIT(
        {
            RuntimeErrorHooks hooks;
            hooks.before_report = &SuppressEvents;
            hooks.present = &PresentAndTryAnEvent;
            SetRuntimeErrorHooks(hooks);
            RaiseRuntimeError(1);
        },
        ::testing::ExitedWithCode(255), "ran=0");
}

TEST_F(EventDispatch, CommonPropertiesAnswerFromTheTemplateBeforeLoading)
{
    // clang-format off
    const struct { uint32_t unit; int32_t property; uint64_t expected; } cases[] = {
        {main_window::kArcSineOpposite, 0, 70}, {main_window::kArcSineOpposite, 1, 12}, {main_window::kArcSineOpposite, 2, 71}, {main_window::kArcSineOpposite, 3, 21},
        {main_window::kArcSineOpposite, 5, 1},  {main_window::kArcSineOpposite, 6, 0},  {0x16011DF4, 5, 0}, {0, 2, 488}, {0, 3, 420},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(GetUnitProperty(main_window::kWindow, c.unit, c.property, -1), c.expected)
            << std::hex << c.unit << " property " << std::dec << c.property;
    EXPECT_EQ(GetUnitProperty(main_window::kWindow, main_window::kArcSineOpposite, 4, -1), 0u);  // no tag
}

}  // namespace
