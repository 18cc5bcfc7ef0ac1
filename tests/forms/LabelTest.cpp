#include "UnitTestSupport.h"

#include "core/props/LabelProps.h"
#include "core/paint/DisplayListJson.h"
#include "core/paint/LabelPainting.h"
#include "core/paint/TextLayout.h"
#include "faces/qt/units/PaintReplay.h"
#include "faces/qt/units/BuiltInKinds.h"
#include "values/Gbk.h"

namespace {

using namespace unit_test;

std::string Gbk(const char* utf8) { return Utf8ToGbk(utf8); }

LabelProps Caption(const char* utf8)
{
    LabelProps props;
    props.caption = Gbk(utf8);
    return props;
}

std::vector<uint8_t> FontBytes(int32_t height, int32_t weight, uint8_t italic, const std::string& face_gbk)
{
    std::vector<uint8_t> font(60, 0);
    std::memcpy(font.data(), &height, 4);
    std::memcpy(font.data() + 16, &weight, 4);
    font[20] = italic;
    std::memcpy(font.data() + 28, face_gbk.data(), std::min<size_t>(face_gbk.size(), 31));
    return font;
}

class LabelTest : public ::testing::Test {};

// The sheet's pixels, and its display lists, which the page's test compares its own with.
class LabelSheet : public Sheet {
public:
    using Sheet::Sheet;
    void Add(InterfaceFn kind, const std::vector<uint8_t>& data, const QRect& rect)
    {
        Sheet::Add(kind, data, rect);
        const LabelProps props = ReadProps<LabelProps>(data).value();
        lists += paint::DisplayListJson(
                     paint::PaintLabel(props, {rect.width(), rect.height()}, {}, QtTextMeasure())) +
                 "\n";
    }
    std::string lists;
};

TEST_F(LabelTest, SheetOfEffectsAlignmentsWrapAndBorders)
{
    LabelSheet sheet(464, 356);
    // Row 1: the four text effects on the window's grey.
    for (int effect = 0; effect < 4; ++effect) {
        LabelProps props = Caption("效果 Effect");
        props.text_effect = effect;
        props.background = 0xC0C0C0;
        props.text_colour = effect == 3 ? 0x00FFFF : 0x800000;
        props.horizontal_alignment = 1;
        sheet.Add(LabelInterface, WriteProps(props), QRect(4 + effect * 114, 4, 110, 24));
    }
    // Rows 2-4: horizontal x vertical alignment of one line.
    for (int v = 0; v < 3; ++v)
        for (int h = 0; h < 3; ++h) {
            LabelProps props = Caption("对齐 Ag");
            props.horizontal_alignment = h;
            props.vertical_alignment = v;
            props.background = 0xFFFFFF;
            sheet.Add(LabelInterface, WriteProps(props), QRect(4 + h * 76, 34 + v * 34, 72, 30));
        }
    // Word wrap, left, centre and right: lines wrap between words and CJK characters and
    // start at the top although the vertical alignment says bottom.
    for (int h = 0; h < 3; ++h) {
        LabelProps props = Caption("word wrap 自动换行的标签文字\r\n第二段");
        props.word_wrap = 1;
        props.horizontal_alignment = h;
        props.vertical_alignment = 2;
        props.background = 0xFFFFFF;
        sheet.Add(LabelInterface, WriteProps(props), QRect(236 + h * 76, 34, 72, 98));
    }
    // The main window's note, as it is laid out there.
    LabelProps note = Caption("注：正弦值等于角对边除以角斜边；\r\n    余弦值等于角邻边除以角斜边；\r\n"
                              "    正切值等于角对边除以角邻边。\r\n\r\n三角函数示例：sin(10),正切用tg表示");
    note.word_wrap = 1;
    note.background = 0xC0C0C0;
    sheet.Add(LabelInterface, WriteProps(note), QRect(4, 140, 216, 64));
    // Borders 1-5, and a one-line label wider than its box (not clipped to the text area).
    for (int border = 1; border <= 5; ++border) {
        LabelProps props = Caption("边框");
        props.border = border;
        sheet.Add(LabelInterface, WriteProps(props), QRect(228 + (border - 1) * 46, 140, 42, 28));
    }
    LabelProps overflow = Caption("一行放不下的标题");
    overflow.horizontal_alignment = 1;
    sheet.Add(LabelInterface, WriteProps(overflow), QRect(228, 176, 60, 28));
    // Gradient border (style 6) with three colours, with two (one left out), and width 5
    // from a smaller value; then gradient backgrounds 1-8 with a bold, italic font.
    LabelProps frame3 = Caption("渐变边框");
    frame3.border = 6;
    frame3.horizontal_alignment = 1;
    sheet.Add(LabelInterface, WriteProps(frame3), QRect(4, 212, 110, 40));
    LabelProps frame2 = frame3;
    frame2.gradient_border[0] = 0x0000FF;
    frame2.gradient_border[1] = kButtonFaceColour;
    frame2.gradient_border[2] = 0xFF0000;
    frame2.gradient_border_width = 12;
    sheet.Add(LabelInterface, WriteProps(frame2), QRect(118, 212, 110, 40));
    LabelProps frame_one = frame3;
    frame_one.gradient_border[0] = kButtonFaceColour;
    frame_one.gradient_border[1] = kButtonFaceColour;
    sheet.Add(LabelInterface, WriteProps(frame_one), QRect(232, 212, 110, 40));
    for (int mode = 1; mode <= 8; ++mode) {
        LabelProps props = Caption("渐变");
        props.gradient_mode = mode;
        props.gradient_background[0] = 0x0000FF;
        props.gradient_background[1] = 0xFFFFFF;
        props.gradient_background[2] = 0x008000;
        props.font = FontBytes(-14, 700, 1, Gbk("宋体"));
        sheet.Add(LabelInterface, WriteProps(props),
                  QRect(4 + (mode - 1) % 4 * 114, 260 + (mode - 1) / 4 * 48, 110, 44));
    }
    EXPECT_TRUE(MatchesGolden(sheet.Render(), "label_sheet"));
    EXPECT_TRUE(MatchesGoldenText(sheet.lists, "label_sheet.paint.json"));
}

// Wrapped lines keep a 13-pixel pitch unless they overrun the label by a pixel or less each;
// then they close up so that the last line ends at the bottom.
TEST_F(LabelTest, WrappedLinesCloseUpOnlyToFitTheLastLine)
{
    // clang-format off
    const struct { const char* text; int height; std::vector<int> tops; } cases[] = {
        {"a\nb\nc\n\nd", 65, {0, 13, 26, 39, 52}},   // fits
        {"a\nb\nc\n\nd", 64, {0, 12, 25, 38, 51}},   // the note: one pixel short
        {"a\nb\nc\n\nd", 61, {0, 12, 24, 36, 48}},   // four short, the closest they go
        {"a\nb\nc\n\nd", 60, {0, 13, 26, 39, 52}},   // too short: cut as before
        {"a", 5, {0}},
        {"", 0, {0}},
    };
    // clang-format on
    for (const auto& c : cases) {
        const auto lines = paint::LayoutLabelText(c.text, {}, {0, 10, 100, c.height}, 0, 0, true,
                                                  QtTextMeasure());
        std::vector<int> tops;
        for (const paint::PlacedLine& line : lines)
            tops.push_back(line.baseline - 10 - 11);
        EXPECT_EQ(tops, c.tops) << c.text << " in " << c.height;
    }
}

// The note's fifth line, with the descenders of "g", "(" and ",", is drawn whole: its last
// 13 rows are that line exactly as a label of its own draws it.
TEST_F(LabelTest, TheNotesLastLineKeepsItsDescenders)
{
    const char* last_line = "三角函数示例：sin(10),正切用tg表示";
    LabelProps note = Caption((std::string("注：正弦值等于角对边除以角斜边；\r\n    余弦值等于角邻边除以角斜边；\r\n"
                                           "    正切值等于角对边除以角邻边。\r\n\r\n") +
                               last_line)
                                  .c_str());
    note.word_wrap = 1;
    note.background = 0xC0C0C0;
    LabelProps alone = Caption(last_line);
    alone.background = 0xC0C0C0;
    Sheet note_sheet(216, 64);
    note_sheet.Add(LabelInterface, WriteProps(note), QRect(0, 0, 216, 64));
    Sheet alone_sheet(216, 13);
    alone_sheet.Add(LabelInterface, WriteProps(alone), QRect(0, 0, 216, 13));
    const QImage drawn = note_sheet.Render().copy(0, 51, 216, 13);
    const QImage expected = alone_sheet.Render();
    EXPECT_EQ(drawn, expected);
    // The descenders reach the bottom row.
    bool ink_in_bottom_row = false;
    for (int x = 0; x < expected.width(); ++x)
        ink_in_bottom_row |= expected.pixel(x, 12) != qRgb(0xC0, 0xC0, 0xC0);
    EXPECT_TRUE(ink_in_bottom_row);
}

TEST_F(LabelTest, WrappedTextStartsAtTheTopWhateverTheVerticalAlignment)
{
    for (int vertical = 0; vertical < 3; ++vertical) {
        const auto lines = paint::LayoutLabelText("a\r\nb\nc\rd", {}, {0, 0, 100, 80}, 0, vertical, true,
                                                  QtTextMeasure());
        ASSERT_EQ(lines.size(), 4u);
        for (size_t i = 0; i < lines.size(); ++i)
            EXPECT_EQ(lines[i].baseline, 11 + 13 * int(i)) << "vertical " << vertical;
    }
}

TEST_F(LabelTest, OneLinePlacedByBothAlignments)
{
    const int width = QFontMetrics(DefaultGuiFont()).horizontalAdvance(QStringLiteral("ab"));
    // clang-format off
    const struct { int h, v; int x, y; } cases[] = {
        {0, 0, 10, 20 + 11},
        {1, 1, 10 + (100 - width) / 2, 20 + 10 + 11},
        {2, 2, 110 - width, 20 + 20 + 11},
    };
    // clang-format on
    for (const auto& c : cases) {
        const auto lines = paint::LayoutLabelText("a\r\nb", {}, {10, 20, 100, 33}, c.h, c.v, false,
                                                  QtTextMeasure());
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].text, "ab");
        EXPECT_EQ(QPoint(lines[0].x, lines[0].baseline), QPoint(c.x, c.y)) << c.h << "," << c.v;
    }
}

TEST_F(LabelTest, StoredFontsMapToThePinnedFamilyUnlessInstalled)
{
    const struct {
        std::vector<uint8_t> bytes;
        int pixels;
        int weight;
        bool italic;
        const char* family;
    } cases[] = {
        {{}, 12, QFont::Normal, false, kGuiFontFamily},
        {FontBytes(-16, 700, 1, Gbk("宋体")), 16, QFont::Bold, true, kGuiFontFamily},
        {FontBytes(20, 0, 0, ""), 20, QFont::Normal, false, kGuiFontFamily},
        {FontBytes(0, 400, 0, "WenQuanYi Zen Hei Mono"), 12, QFont::Normal, false, "WenQuanYi Zen Hei Mono"},
        {FontBytes(-100000, 5000, 0, ""), 1000, 1000, false, kGuiFontFamily},
        {std::vector<uint8_t>(59, 0xFF), 12, QFont::Normal, false, kGuiFontFamily},
    };
    for (const auto& c : cases) {
        const QFont font = FontFromLogFont(c.bytes);
        EXPECT_EQ(font.pixelSize(), c.pixels);
        EXPECT_EQ(font.weight(), c.weight);
        EXPECT_EQ(font.italic(), c.italic);
        EXPECT_EQ(font.family(), QString::fromLatin1(c.family));
    }
}

// A label keeps its display list between paints: a change after the first paint, and a new
// size, must still show as a label made that way does.
TEST_F(LabelTest, ChangedOrResizedAfterPaintingPaintsAsMadeSo)
{
    LabelProps before = Caption("旧的 old");
    before.background = 0xFFFFFF;
    LabelProps after = before;
    after.caption = Gbk("新的标签 new");
    after.text_colour = 0x0000FF;
    after.word_wrap = 1;
    Sheet changed(60, 40);
    Unit* unit = changed.Add(LabelInterface, WriteProps(before), QRect(0, 0, 60, 40));
    ASSERT_TRUE(unit);
    changed.Render();
    SetOwnText(LabelInterface, unit, LabelOwn::Caption, after.caption);
    SetOwn(LabelInterface, unit, LabelOwn::TextColour, after.text_colour);
    SetOwn(LabelInterface, unit, LabelOwn::WordWrap, 1);
    Sheet made(60, 40);
    made.Add(LabelInterface, WriteProps(after), QRect(0, 0, 60, 40));
    EXPECT_EQ(changed.Render(), made.Render());

    WidgetOf(unit)->resize(40, 30);
    Sheet made_smaller(60, 40);
    made_smaller.Add(LabelInterface, WriteProps(after), QRect(0, 0, 40, 30));
    EXPECT_EQ(changed.Render(), made_smaller.Render());
}

TEST_F(LabelTest, GradientBorderWidthBelowFiveBecomesFive)
{
    LabelProps props;
    props.border = 6;
    const std::vector<uint8_t> data = WriteProps(props);
    auto unit = CreateUnit(LabelInterface, data, nullptr, QRect(0, 0, 40, 30));
    ASSERT_TRUE(unit);
    EXPECT_EQ(SetOwn(LabelInterface, unit.get(), 3, 2), 0);
    EXPECT_EQ(GetOwn(LabelInterface, unit.get(), 3).low, 5u);
}

}  // namespace
