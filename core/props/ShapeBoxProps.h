#pragma once
// ShapeBox property set: its own property numbers, choice values, struct and table.
#include "core/props/PropertySet.h"
#include "core/props/PropertyTable.h"
#include "core/props/UnitTypes.h"

constexpr uint32_t kShapeBoxMaxVersion = 1;

// Own property numbers (the property number less 8).
struct ShapeBoxOwn {
    enum : int32_t { Background, Shape, Effect3d, LineStyle, LineWidth, LineColour, FillColour, Count };
};

// clang-format off
enum class Shape : int32_t {
    Rectangle, Square, Ellipse, Circle, RoundedRectangle, RoundedSquare, HorizontalLine, VerticalLine
};
// clang-format on
enum class Effect3d : int32_t { Flat, Raised, Sunken };
enum class LineStyle : int32_t { None, Solid, Dash, Dot, DashDot, DashDotDot };

struct ShapeBoxProps {
    static constexpr uint32_t kKindCode = KIND_SHAPE_BOX;
    uint32_t version = kShapeBoxMaxVersion;
    uint32_t background = kButtonFaceColour;
    int32_t shape = 0;       // Shape
    int32_t effect_3d = 0;   // Effect3d
    int32_t line_style = 1;  // LineStyle
    int32_t line_width = 1;  // negative becomes 0
    uint32_t line_colour = 0x000000;
    uint32_t fill_colour = kButtonFaceColour;  // kButtonFaceColour = no fill
};

template <>
struct KindTable<ShapeBoxProps> {
    using P = ShapeBoxProps;
    static constexpr const char* kName = "\xCD\xE2\xD0\xCE\xBF\xF2";  // 外形框
    static constexpr const char* kEnglishName = "ShapeBox";
    static constexpr uint32_t kFlags = kKindBuiltIn | kKindOwnWindowClass | kKindRaisesEvents |
                                       UnreadKindFlags(0x80);
    static constexpr uint32_t kMaxVersion = kShapeBoxMaxVersion;
    static constexpr int32_t kOwnCount = ShapeBoxOwn::Count;
    // In stored order.
    static constexpr PropertyRow<P> kRows[] = {
        Property<&P::background>(ShapeBoxOwn::Background, "background", PROP_COLOUR_DEFAULT),
        Property<&P::shape>(ShapeBoxOwn::Shape, "shape", PROP_CHOICE).UpTo(Shape::VerticalLine),
        Property<&P::effect_3d>(ShapeBoxOwn::Effect3d, "effect3d", PROP_CHOICE).UpTo(Effect3d::Sunken),
        Property<&P::line_style>(ShapeBoxOwn::LineStyle, "lineStyle", PROP_CHOICE).UpTo(LineStyle::DashDotDot),
        Property<&P::line_width>(ShapeBoxOwn::LineWidth, "lineWidth", PROP_INTEGER).AtLeast(0),
        Property<&P::line_colour>(ShapeBoxOwn::LineColour, "lineColour", PROP_COLOUR),
        Property<&P::fill_colour>(ShapeBoxOwn::FillColour, "fillColour", PROP_COLOUR),
    };
};
