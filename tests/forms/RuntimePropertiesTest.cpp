// GetUnitProperty and SetUnitProperty on the loaded main window: the declared-type
// conversions, the common properties with their clamps, fonts by part, and unit rebuilds.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <cstring>

#include "RuntimeTestSupport.h"
#include "core/runtime/PropertyConversion.h"
#include "core/runtime/UnitPropertyAccess.h"
#include "values/Blocks.h"

using namespace runtime_test;

namespace {

constexpr uint32_t kLabel1 = 0x16010149;
constexpr uint32_t kShape1 = 0x16010152;

uint64_t Get(uint32_t unit, int32_t property, int32_t part = -1)
{
    return GetUnitProperty(main_window::kWindow, unit, property, part);
}

void Set(uint32_t unit, int32_t property, uint64_t value, int32_t part = -1)
{
    SetUnitProperty(main_window::kWindow, unit, property, part, value);
}

uint64_t Address(const void* p) { return uint64_t(reinterpret_cast<uintptr_t>(p)); }

std::vector<uint8_t> TakeByteSet(uint64_t value)
{
    TextBlock block(reinterpret_cast<char*>(uintptr_t(value)));
    if (!block)
        return {};
    int32_t header[2];
    std::memcpy(header, block.get(), sizeof header);
    EXPECT_EQ(header[0], 1);
    const auto* bytes = reinterpret_cast<const uint8_t*>(block.get()) + 8;
    return {bytes, bytes + header[1]};
}

using PropertyServices = LoadedMainWindow;

TEST_F(PropertyServices, EditBoxTextReadsNullWhenEmptyAndANewTextOnceTyped)
{
    EXPECT_EQ(Get(main_window::kArcSineOpposite, 8), 0u);
    QTest::keyClicks(Widget(main_window::kArcSineOpposite), "12");
    EXPECT_EQ(TakeText(Get(main_window::kArcSineOpposite, 8)), "12");
    const uint64_t first = Get(main_window::kArcSineOpposite, 8);
    const uint64_t second = Get(main_window::kArcSineOpposite, 8);
    EXPECT_NE(first, second);  // each read is a block of its own
    FreeBlock(reinterpret_cast<void*>(first));
    FreeBlock(reinterpret_cast<void*>(second));
}

TEST_F(PropertyServices, TextWritesShowInTheBoxAndNullEmptiesIt)
{
    const std::string result = Gbk("30.00000000086");
    // clang-format off
    const struct { uint32_t unit; const char* text; const char* expected; } cases[] = {
        {main_window::kArcSineResult, result.c_str(), "30.00000000086"},  // read-only to the user, not to the program
        {main_window::kArcSineResult, nullptr, ""},
        {main_window::kArcSineOpposite, "abc", "abc"},
        {main_window::kArcSineOpposite, "", ""},
    };
    // clang-format on
    for (const auto& c : cases) {
        Set(c.unit, 8, Address(c.text));
        EXPECT_EQ(qobject_cast<QLineEdit*>(Widget(c.unit))->text(), QString::fromUtf8(c.expected));
        EXPECT_EQ(TakeText(Get(c.unit, 8)), c.expected[0] != '\0' ? Gbk(c.expected) : "<null>");
    }
}

TEST_F(PropertyServices, CommonPropertiesClampAndKeepTheRecordInStep)
{
    // clang-format off
    const struct { int32_t property; int32_t written; int32_t stored; } cases[] = {
        {0, 40000, 32627}, {0, -40000, -32627}, {1, 32628, 32627}, {1, -5, -5},
        {2, -5, 0},        {2, 40000, 32627},   {3, 0, 0},         {3, 33, 33},
    };
    // clang-format on
    for (const auto& c : cases) {
        Set(kLabel1, c.property, uint32_t(c.written));
        const RuntimeRecord& record = Record(kLabel1);
        const int32_t stored[4] = {record.left, record.top, record.width, record.height};
        EXPECT_EQ(stored[c.property], c.stored) << c.property << " " << c.written;
        EXPECT_EQ(int32_t(Get(kLabel1, c.property)), c.stored) << c.property << " " << c.written;
    }
    EXPECT_EQ(Widget(kLabel1)->geometry(), QRect(-32627, -5, 32627, 33));
}

TEST_F(PropertyServices, VisibleAndDisabledTakeAnyNonZeroAsOn)
{
    // clang-format off
    const struct { int32_t property; uint32_t value; bool on; } cases[] = {
        {5, 2, true}, {5, 0, false}, {5, 0xFFFFFFFF, true}, {6, 7, true}, {6, 0, false},
    };
    // clang-format on
    for (const auto& c : cases) {
        Set(main_window::kAngleWarning, c.property, c.value);
        const uint32_t bit = c.property == 5 ? kStateVisible : kStateDisabled;
        EXPECT_EQ((Record(main_window::kAngleWarning).state_flags & bit) != 0, c.on)
            << c.property << " " << c.value;
        EXPECT_EQ(Get(main_window::kAngleWarning, c.property), c.on ? 1u : 0u);
        QWidget* widget = Widget(main_window::kAngleWarning);
        EXPECT_EQ(c.property == 5 ? widget->isVisible() : !widget->isEnabled(), c.on);
    }
}

TEST_F(PropertyServices, TagAndMousePointerTravelAsNewBlocks)
{
    EXPECT_EQ(Get(kLabel1, 4), 0u);
    Set(kLabel1, 4, Address("note"));
    EXPECT_EQ(TakeText(Get(kLabel1, 4)), "note");
    Set(kLabel1, 4, 0);
    EXPECT_EQ(Get(kLabel1, 4), 0u);

    EXPECT_EQ(TakeByteSet(Get(kLabel1, 7)), (std::vector<uint8_t>{0, 0, 0, 0}));
    const int32_t pointer[3] = {1, 4, 3};  // a byte set holding the word 3
    Set(kLabel1, 7, Address(pointer));
    EXPECT_EQ(TakeByteSet(Get(kLabel1, 7)), (std::vector<uint8_t>{3, 0, 0, 0}));
    EXPECT_EQ(Widget(kLabel1)->cursor().shape(), Qt::CursorShape(2));
}

TEST_F(PropertyServices, OwnPropertiesConvertByTheirDeclaredType)
{
    // clang-format off
    const struct { uint32_t unit; int32_t property; uint64_t written; uint64_t read; } cases[] = {
        {kShape1, 9, 9, 7},                   // choice above its range: the largest
        {kShape1, 9, uint32_t(-1), 0},        // a negative choice becomes 0
        {kShape1, 13, 0x00FF8800, 0x00FF8800},  // colour
        {kShape1, 12, 3, 3},                  // integer
        {main_window::kArcSineOpposite, 13, 5, 1},                   // boolean: any non-zero is 1
        {main_window::kArcSineOpposite, 13, 0, 0},
        {main_window::kDiagram, 12, 0x100000000ull, 0},    // the high word plays no part in a boolean
    };
    // clang-format on
    for (const auto& c : cases) {
        Set(c.unit, c.property, c.written);
        EXPECT_EQ(Get(c.unit, c.property), c.read) << std::hex << c.unit << " " << std::dec << c.property;
    }
    // Numbers a kind does not have read as 0 and are ignored when written.
    Set(kShape1, 40, 1);
    EXPECT_EQ(Get(kShape1, 40), 0u);
}

TEST_F(PropertyServices, PicturesCrossAsByteSets)
{
    const std::vector<uint8_t> picture = TakeByteSet(Get(main_window::kDiagram, 10));
    ASSERT_GE(picture.size(), 4u);
    EXPECT_EQ(picture[0], 0xFF);
    EXPECT_EQ(picture[1], 0xD8);  // the JPEG's start-of-image marker
    Set(main_window::kDiagram, 10, 0);
    EXPECT_EQ(Get(main_window::kDiagram, 10), 0u);
}

TEST_F(PropertyServices, FontsByPartMergeIntoTheCurrentFont)
{
    const uint32_t label = kLabel1;
    EXPECT_EQ(Get(label, 15, 5), 9u);  // the 12-pixel default font in points
    EXPECT_EQ(TakeText(Get(label, 15, 6)), "WenQuanYi Zen Hei");
    Set(label, 15, 1, 1);   // bold
    Set(label, 15, 12, 5);  // 12 points
    // clang-format off
    const struct { int32_t part; uint64_t expected; } parts[] = {
        {0, 0}, {1, 1}, {2, 0}, {3, 0}, {4, 0}, {5, 12},
    };
    // clang-format on
    for (const auto& p : parts)
        EXPECT_EQ(Get(label, 15, p.part), p.expected) << p.part;

    // A face name that is empty or too long for its field becomes 宋体.
    const std::string too_long(32, 'x');
    for (const char* face : {"", too_long.c_str()}) {
        Set(label, 15, Address(face), 6);
        EXPECT_EQ(TakeText(Get(label, 15, 6)), Gbk("宋体"));
    }

    auto* font = reinterpret_cast<FontRecord*>(uintptr_t(Get(label, 15)));
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->bold, 1);
    EXPECT_EQ(font->size, 12);
    EXPECT_EQ(std::string(font->face_name), Gbk("宋体"));
    font->italic = 1;
    font->bold = 0;
    Set(label, 15, Address(font));
    FreeBlock(font->face_name);
    FreeBlock(font);
    EXPECT_EQ(Get(label, 15, 2), 1u);
    EXPECT_EQ(Get(label, 15, 1), 0u);

    Set(label, 15, 0);  // null: back to the default font
    EXPECT_EQ(Get(label, 15, 1), 0u);
    EXPECT_EQ(Get(label, 15, 5), 9u);
}

TEST_F(PropertyServices, RebuildKeepsPlaceContentFocusAndRaisesNoEvent)
{
    RuntimeRecord& record = Record(main_window::kArcSineOpposite);
    Set(main_window::kArcSineOpposite, 8, Address("7"));
    Widget(main_window::kArcSineOpposite)->setFocus();
    const int32_t control_id = record.control_id;
    record.bindings.push_back({0, 0});  // watch the box's change event
    record.procedures.push_back(kProcedures[0]);
    Ran().clear();

    Set(main_window::kArcSineOpposite, 15, 1);  // multi-line: a style fixed at creation
    QWidget* widget = Widget(main_window::kArcSineOpposite);
    ASSERT_NE(qobject_cast<QPlainTextEdit*>(widget), nullptr);
    EXPECT_EQ(widget->geometry(), QRect(70, 12, 71, 21));
    EXPECT_EQ(widget->parentWidget(), Frame());
    EXPECT_TRUE(widget->isVisible());
    EXPECT_TRUE(widget->hasFocus());
    EXPECT_EQ(record.control_id, control_id);
    EXPECT_EQ(TakeText(Get(main_window::kArcSineOpposite, 8)), "7");
    EXPECT_EQ(Get(main_window::kArcSineOpposite, 15), 1u);
    EXPECT_TRUE(Ran().empty());
    EXPECT_EQ(EventSuppressionCount(), 0);

    // Writing the content of the rebuilt box raises its change event once.
    Set(main_window::kArcSineOpposite, 8, Address("8"));
    EXPECT_EQ(Ran(), std::vector<int>{0});
}

TEST_F(PropertyServices, ButtonCaptionAndClicksGoThroughTheRuntime)
{
    Set(main_window::kArcSineButton, 10, Address("go"));
    EXPECT_EQ(TakeText(Get(main_window::kArcSineButton, 10)), "go");
    Ran().clear();
    QTest::mouseClick(Widget(main_window::kArcSineButton), Qt::LeftButton);
    EXPECT_EQ(Ran(), std::vector<int>{kArcSineClickOffset});
}

}  // namespace

// Loading raises no event before the window's event 0; then come events 3 and 4, then the
// focus event of the unit that has the focus.
TEST(LoadingOrder, NoEventBeforeTheWindowsEventZero)
{
    StartRuntime();
    RuntimeWindow* window = FindWindow(main_window::kWindow);
    ASSERT_NE(window, nullptr);
    auto bind = [](RuntimeRecord& record, int32_t event, int offset) {
        record.bindings.push_back({event, offset});
        record.procedures.push_back(kProcedures[offset]);
    };
    for (RuntimeRecord& record : window->records) {
        if (record.kind == KIND_EDIT_BOX) {
            bind(record, 0, 1);
            bind(record, -7, 2);
        }
    }
    bind(window->records.front(), 3, 3);
    bind(window->records.front(), 4, 4);

    ASSERT_TRUE(LoadWindow(main_window::kWindow));
    ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()));
    QCoreApplication::processEvents();
    EXPECT_EQ(Ran(), (std::vector<int>{kWindowEventNoOpOffset, 3, 4, 2}));
    StopRuntime();
}
