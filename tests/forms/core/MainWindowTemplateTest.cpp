// The embedded main window template read back as data, unit by unit, against the layout the
// procedures and the tests of the running window rely on.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <span>

#include "program/data/MainWindowTemplate.h"
#include "tests/forms/MainWindowLayout.h"
#include "contract/ProcedureArea.h"
#include "core/props/ButtonProps.h"
#include "core/props/EditBoxProps.h"
#include "core/props/LabelProps.h"
#include "core/props/PicBoxProps.h"
#include "core/props/ShapeBoxProps.h"
#include "core/props/UnitTypes.h"
#include "core/props/WindowProps.h"
#include "core/template/WindowTemplate.h"
#include "values/Gbk.h"

namespace {

using namespace main_window_layout;

std::span<const uint8_t> Embedded() { return {MainWindowTemplate, MainWindowTemplateSize}; }

const WindowData& MainWindow()
{
    static const auto data = ReadWindowTemplate(Embedded());
    EXPECT_TRUE(data.has_value());
    static const WindowData window = data ? data->windows.at(0) : WindowData{};
    return window;
}

const UnitRecord& Unit(const char* utf8_name)
{
    for (const auto& r : MainWindow().records)
        if (GbkToUtf8(r.name) == utf8_name)
            return r;
    ADD_FAILURE() << "no unit " << utf8_name;
    static const UnitRecord none;
    return none;
}

template <class P>
P PropsOf(const UnitRecord& record)
{
    auto props = ReadProps<P>(record.property_data);
    EXPECT_TRUE(props.has_value()) << GbkToUtf8(record.name);
    return props.value_or(P{});
}

TEST(MainWindowTemplate, ReadsBackAsTheSameBytes)
{
    auto data = ReadWindowTemplate(Embedded());
    ASSERT_TRUE(data.has_value());
    auto again = WriteWindowTemplate(*data);
    EXPECT_TRUE(std::equal(again.begin(), again.end(), Embedded().begin(), Embedded().end()));
}

TEST(MainWindowTemplate, WindowRecord)
{
    auto data = ReadWindowTemplate(Embedded());
    ASSERT_TRUE(data.has_value());
    ASSERT_EQ(data->windows.size(), 1u);
    const WindowData& w = data->windows[0];
    EXPECT_EQ(w.id, main_window::kWindow);
    EXPECT_EQ(w.words[0], 0x017B0E8Cu);
    EXPECT_EQ(w.words[1], 0x19010136u);
    ASSERT_EQ(w.records.size(), 53u);
    const UnitRecord& own = w.records[0];
    EXPECT_EQ(own.id, 0x06010000u);
    EXPECT_EQ(own.kind, KIND_WINDOW);
    EXPECT_EQ(own.state_flags, kStateVisible);
    EXPECT_EQ((std::array{own.left, own.top, own.width, own.height}), (std::array{50, 50, 488, 420}));
    ASSERT_EQ(own.bindings.size(), 1u);
    EXPECT_EQ(own.bindings[0].event, 0);
    EXPECT_EQ(own.bindings[0].handler, kWindowEventNoOpOffset);

    WindowProps p = PropsOf<WindowProps>(own);
    EXPECT_EQ(p.caption, "Anglarix");
    EXPECT_EQ(p.border_style, 2);
    EXPECT_EQ(p.background, 0xC0C0C0u);
    EXPECT_EQ((std::array{p.control_box, p.maximise_box, p.minimise_box}), (std::array{1, 0, 0}));
    EXPECT_EQ((std::array{p.start_position, p.movable, p.always_on_top, p.window_shape}),
              (std::array{1, 1, 0, 0}));
    EXPECT_EQ((std::array{p.enter_moves_focus, p.escape_closes, p.f1_opens_help}), (std::array{0, 1, 0}));
    EXPECT_TRUE(p.icon.empty() && p.background_picture.empty() && p.sound.empty());
}

// The picture is our own JPEG; the rest of the template has the size of the original layout.
TEST(MainWindowTemplate, SizeAllowsOnlyForTheDiagram)
{
    PicBoxProps pic = PropsOf<PicBoxProps>(Unit("图片框1"));
    ASSERT_GE(pic.picture.size(), 4u);
    EXPECT_EQ(pic.picture[0], 0xFF);
    EXPECT_EQ(pic.picture[1], 0xD8);
    EXPECT_EQ(pic.display_mode, 1);
    EXPECT_EQ(MainWindowTemplateSize, 14856 - 5319 + pic.picture.size());
}

TEST(MainWindowTemplate, UnitsInRecordOrder)
{
    const auto& records = MainWindow().records;
    ASSERT_EQ(records.size(), std::size(kUnits) + 1);
    for (size_t k = 0; k < std::size(kUnits); ++k) {
        const UnitRow& u = kUnits[k];
        const UnitRecord& r = records[k + 1];
        SCOPED_TRACE(u.name);
        EXPECT_EQ(r.id, u.id);
        EXPECT_EQ(GbkToUtf8(r.name), u.name);
        EXPECT_EQ(r.kind, u.kind);
        EXPECT_EQ((std::array{r.left, r.top, r.width, r.height}),
                  (std::array{u.left, u.top, u.width, u.height}));
        EXPECT_EQ(r.state_flags, u.flags);
        EXPECT_TRUE(r.mouse_pointer.empty() && r.tag.empty() && r.second_text.empty());
        EXPECT_EQ(r.focus_rank, 0u);
        EXPECT_EQ(r.event_owner, 0u);
    }
}

TEST(MainWindowTemplate, OnlyTheButtonsAndTheWindowAreBound)
{
    // clang-format off
    const struct { const char* name; int32_t handler; } bound[] = {
        {"按钮1", kArcSineClickOffset}, {"按钮2", kArcTangentClickOffset}, {"按钮3", kArcCosineClickOffset},
        {"按钮4", kFunctionEvaluateClickOffset}, {"按钮5", kSideLengthsClickOffset},
    };
    // clang-format on
    EXPECT_EQ(kArcTangentClickOffset, 0);  // a real binding, not "none"
    size_t with_bindings = 0;
    for (const auto& r : MainWindow().records)
        with_bindings += !r.bindings.empty();
    EXPECT_EQ(with_bindings, std::size(bound) + 1);
    for (const auto& b : bound) {
        const UnitRecord& r = Unit(b.name);
        ASSERT_EQ(r.bindings.size(), 1u) << b.name;
        EXPECT_EQ(r.bindings[0].event, 0) << b.name;
        EXPECT_EQ(r.bindings[0].handler, b.handler) << b.name;
    }
}

TEST(MainWindowTemplate, OnlyShape5HasAParent)
{
    for (const auto& r : MainWindow().records) {
        const std::string name = GbkToUtf8(r.name);
        EXPECT_EQ(r.parent_id, name == "外形框5" ? 0x16011DD6u : 0u) << name;
        EXPECT_EQ(r.children, name == "外形框4" ? std::vector<uint32_t>{0x16011DDB} : std::vector<uint32_t>{})
            << name;
    }
}

TEST(MainWindowTemplate, EditBoxes)
{
    size_t empty = 0;
    for (const auto& r : MainWindow().records) {
        if (r.kind != KIND_EDIT_BOX)
            continue;
        const std::string name = GbkToUtf8(r.name);
        empty += r.property_data.empty();
        EditBoxProps p = PropsOf<EditBoxProps>(r);
        bool read_only = name == "编辑框2" || name == "编辑框3" || name == "编辑框5";
        EXPECT_EQ(p.input_mode, read_only ? 1 : 0) << name;
        EXPECT_EQ((std::array{p.border, p.multi_line, p.alignment, p.max_length, p.case_conversion}),
                  (std::array{1, 0, 0, 0, 0}))
            << name;
        EXPECT_EQ(p.background, 0xFFFFFFu) << name;
        EXPECT_TRUE(p.content.empty()) << name;
    }
    EXPECT_EQ(empty, 12u);
}

TEST(MainWindowTemplate, LabelsAndButtons)
{
    // clang-format off
    const struct { const char* name; const char* caption; uint32_t text_colour, background; int32_t wrap; } labels[] = {
        {"标签22", "角度必须输入", 0x0000FF, 0xC0C0C0, 0},
        {"标签21", "计算结果", 0, 0xC0C0C0, 0},
        {"标签13", "已知数据", 0, 0xC0C0C0, 0},
        {"标签14", "角度", 0, kButtonFaceColour, 0},
        {"标签11", "输入三角函数", 0, kButtonFaceColour, 0},
        {"标签12", "函数计算结果", 0, kButtonFaceColour, 0},
        {"标签1", "对边长度", 0, kButtonFaceColour, 0},
        {"标签7",
         "注：正弦值等于角对边除以角斜边；\r\n    余弦值等于角邻边除以角斜边；\r\n"
         "    正切值等于角对边除以角邻边。\r\n\r\n三角函数示例：sin(10),正切用tg表示",
         0, 0xC0C0C0, 1},
    };
    // clang-format on
    for (const auto& l : labels) {
        LabelProps p = PropsOf<LabelProps>(Unit(l.name));
        EXPECT_EQ(GbkToUtf8(p.caption), l.caption) << l.name;
        EXPECT_EQ(p.text_colour, l.text_colour) << l.name;
        EXPECT_EQ(p.background, l.background) << l.name;
        EXPECT_EQ(p.word_wrap, l.wrap) << l.name;
    }
    // Every label, listed or not: no border or effect, left and centred, default font; the
    // ones not listed keep black text on the button face, on one line.
    size_t label_count = 0;
    for (const auto& r : MainWindow().records) {
        if (r.kind != KIND_LABEL)
            continue;
        ++label_count;
        const std::string name = GbkToUtf8(r.name);
        LabelProps p = PropsOf<LabelProps>(r);
        EXPECT_EQ((std::array{p.border, p.text_effect, p.horizontal_alignment, p.vertical_alignment}),
                  (std::array{0, 0, 0, 1}))
            << name;
        EXPECT_TRUE(p.font.empty() && p.picture.empty() && p.gradient_mode == 0) << name;
        const bool listed = std::any_of(std::begin(labels), std::end(labels),
                                        [&](const auto& l) { return name == l.name; });
        if (!listed) {
            EXPECT_EQ((std::array{p.text_colour, p.background}), (std::array{0u, kButtonFaceColour})) << name;
            EXPECT_EQ(p.word_wrap, 0) << name;
        }
    }
    EXPECT_EQ(label_count, 22u);
    // clang-format off
    const struct { const char* name; const char* caption; } buttons[] = {
        {"按钮1", "求反正弦角度"}, {"按钮2", "求反正切角度"}, {"按钮3", "求反余弦角度"},
        {"按钮4", "函数计算"}, {"按钮5", "边长计算"},
    };
    // clang-format on
    for (const auto& b : buttons) {
        ButtonProps p = PropsOf<ButtonProps>(Unit(b.name));
        EXPECT_EQ(GbkToUtf8(p.caption), b.caption) << b.name;
        EXPECT_EQ((std::array{p.default_button, p.horizontal_alignment, p.vertical_alignment}),
                  (std::array{0, 1, 1}))
            << b.name;
    }
}

TEST(MainWindowTemplate, Shapes)
{
    // clang-format off
    const struct { const char* name; int32_t effect; uint32_t line, fill; } shapes[] = {
        {"外形框1", 1, 0x000000, kButtonFaceColour}, {"外形框2", 1, 0x000000, kButtonFaceColour},
        {"外形框3", 1, 0x000000, kButtonFaceColour}, {"外形框4", 0, 0x800000, 0xFF8800},
        {"外形框5", 0, 0x800000, 0x80E000}, {"外形框6", 0, 0x800000, 0xFF8800},
    };
    // clang-format on
    for (const auto& s : shapes) {
        ShapeBoxProps p = PropsOf<ShapeBoxProps>(Unit(s.name));
        EXPECT_EQ(p.effect_3d, s.effect) << s.name;
        EXPECT_EQ(p.line_colour, s.line) << s.name;
        EXPECT_EQ(p.fill_colour, s.fill) << s.name;
        EXPECT_EQ((std::array{p.shape, p.line_style, p.line_width}), (std::array{0, 1, 1})) << s.name;
        EXPECT_EQ(p.background, kButtonFaceColour) << s.name;
    }
}

}  // namespace
