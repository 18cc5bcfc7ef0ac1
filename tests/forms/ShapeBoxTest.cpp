#include "UnitTestSupport.h"

#include "core/props/ShapeBoxProps.h"
#include "faces/qt/units/BuiltInKinds.h"

namespace {

using namespace unit_test;

constexpr int kCellWidth = 64, kCellHeight = 44, kGap = 4;

QRect Cell(int column, int row)
{
    return QRect(kGap + column * (kCellWidth + kGap), kGap + row * (kCellHeight + kGap), kCellWidth,
                 kCellHeight);
}

ShapeBoxProps Shape(int shape, int effect, int style, int width, uint32_t line, uint32_t fill)
{
    ShapeBoxProps props;
    props.shape = shape;
    props.effect_3d = effect;
    props.line_style = style;
    props.line_width = width;
    props.line_colour = line;
    props.fill_colour = fill;
    return props;
}

// Rows 0-2: the eight shapes with 3-D effects 0, 1 and 2 (filled, unfilled, filled).
// Row 3: the eight shapes with a solid 4-pixel line drawn inside the frame.
// Rows 4-5: line styles 0-5 on rectangles and ellipses, filled only with style 0; then the
// two lines in each dashed style, and in effects 1 and 2.
TEST(ShapeBox, SheetOfShapesEffectsAndLineStyles)
{
    Sheet sheet(8 * (kCellWidth + kGap) + kGap, 8 * (kCellHeight + kGap) + kGap);
    const uint32_t kNoFill = kButtonFaceColour;
    const uint32_t fills[3] = {0xFF8800, kNoFill, 0x80E000};
    for (int effect = 0; effect < 3; ++effect)
        for (int shape = 0; shape < 8; ++shape)
            sheet.Add(ShapeBoxInterface, WriteProps(Shape(shape, effect, 1, 1, 0x800000, fills[effect])),
                      Cell(shape, effect));
    for (int shape = 0; shape < 8; ++shape)
        sheet.Add(ShapeBoxInterface, WriteProps(Shape(shape, 0, 1, 4, 0x0000FF, 0x00FFFF)), Cell(shape, 3));
    for (int style = 0; style < 6; ++style) {
        const uint32_t fill = style == 0 ? 0xFFFFFF : kNoFill;
        sheet.Add(ShapeBoxInterface, WriteProps(Shape(0, 0, style, 3, 0x000000, fill)), Cell(style, 4));
        sheet.Add(ShapeBoxInterface, WriteProps(Shape(2, 0, style, 3, 0x000000, fill)), Cell(style, 5));
    }
    sheet.Add(ShapeBoxInterface, WriteProps(Shape(4, 0, 2, 1, 0x008000, kNoFill)), Cell(6, 4));
    sheet.Add(ShapeBoxInterface, WriteProps(Shape(5, 0, 5, 1, 0x008000, 0xFFFFFF)), Cell(7, 4));
    sheet.Add(ShapeBoxInterface, WriteProps(Shape(3, 1, 3, 1, 0, kNoFill)), Cell(6, 5));
    sheet.Add(ShapeBoxInterface, WriteProps(Shape(1, 2, 4, 1, 0, kNoFill)), Cell(7, 5));
    for (int style = 2; style < 6; ++style) {
        sheet.Add(ShapeBoxInterface, WriteProps(Shape(6, 0, style, 1, 0x000080, kNoFill)), Cell(style - 2, 6));
        sheet.Add(ShapeBoxInterface, WriteProps(Shape(7, 0, style, 1, 0x000080, kNoFill)), Cell(style + 2, 6));
    }
    for (int effect = 1; effect < 3; ++effect) {
        sheet.Add(ShapeBoxInterface, WriteProps(Shape(6, effect, 1, 1, 0, kNoFill)), Cell(effect - 1, 7));
        sheet.Add(ShapeBoxInterface, WriteProps(Shape(7, effect, 1, 1, 0, kNoFill)), Cell(effect + 1, 7));
    }
    // The main window's bars and frames: 480 x 8 cut to a cell, and an etched frame.
    sheet.Add(ShapeBoxInterface, WriteProps(Shape(0, 0, 1, 1, 0x800000, 0xFF8800)),
              QRect(Cell(4, 7).topLeft(), QSize(kCellWidth, 8)));
    sheet.Add(ShapeBoxInterface, WriteProps(Shape(0, 0, 1, 1, 0x800000, 0x80E000)),
              QRect(Cell(4, 7).topLeft() + QPoint(0, 12), QSize(kCellWidth, 8)));
    sheet.Add(ShapeBoxInterface, WriteProps(Shape(0, 1, 1, 1, 0, kNoFill)), Cell(5, 7).united(Cell(7, 7)));
    EXPECT_TRUE(MatchesGolden(sheet.Render(), "shapebox_sheet"));
}

TEST(ShapeBox, ChoicesOutsideTheirRangeAreClamped)
{
    const std::vector<uint8_t> data;
    auto unit = CreateUnit(ShapeBoxInterface, data, nullptr, QRect(0, 0, 20, 20));
    ASSERT_TRUE(unit);
    // clang-format off
    const struct { int32_t own; int32_t written; uint32_t stored; } cases[] = {
        {1, 9, 7}, {1, -1, 0}, {1, 4, 4}, {2, 3, 2}, {3, 6, 5}, {4, -3, 0}, {4, 9, 9},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(SetOwn(ShapeBoxInterface, unit.get(), c.own, static_cast<uint32_t>(c.written)), 0);
        EXPECT_EQ(GetOwn(ShapeBoxInterface, unit.get(), c.own).low, c.stored) << c.own << " <- " << c.written;
    }
}

// No fill draws only the outline; a button-face background shows the fixed button face.
TEST(ShapeBox, NoFillShowsTheButtonFaceBehindTheOutline)
{
    Sheet sheet(30, 20);
    sheet.Add(ShapeBoxInterface, WriteProps(Shape(0, 0, 1, 1, 0x0000FF, kButtonFaceColour)),
              QRect(0, 0, 30, 20));
    const QImage image = sheet.Render();
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(29, 19), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(15, 10), qRgb(0xF0, 0xF0, 0xF0));
}

}  // namespace
