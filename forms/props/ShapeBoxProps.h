#pragma once
// ShapeBox property set. Own numbers in comments; fields in stored order.
#include "forms/props/PropertySet.h"
#include "forms/props/UnitTypes.h"

constexpr uint32_t kShapeBoxMaxVersion = 1;

// Own property numbers (the property number less 8).
struct ShapeBoxOwn {
    enum : int32_t { Background, Shape, Effect3d, LineStyle, LineWidth, LineColour, FillColour, Count };
};

enum class Shape : int32_t {
    Rectangle, Square, Ellipse, Circle, RoundedRectangle, RoundedSquare, HorizontalLine, VerticalLine
};
enum class Effect3d : int32_t { Flat, Raised, Sunken };
enum class LineStyle : int32_t { None, Solid, Dash, Dot, DashDot, DashDotDot };

struct ShapeBoxProps {
    static constexpr uint32_t kKindCode = KIND_SHAPE_BOX;
    uint32_t version = kShapeBoxMaxVersion;
    uint32_t background = kButtonFaceColour;  // own 0, type 1017
    int32_t shape = 0;                         // own 1, 0-7 (Shape)
    int32_t effect_3d = 0;                     // own 2 (Effect3d)
    int32_t line_style = 1;                    // own 3, 0-5 (LineStyle)
    int32_t line_width = 1;                    // own 4, negative becomes 0
    uint32_t line_colour = 0x000000;           // own 5
    uint32_t fill_colour = kButtonFaceColour;  // own 6, kButtonFaceColour = no fill
};

template <>
std::optional<ShapeBoxProps> ReadProps<ShapeBoxProps>(std::span<const uint8_t> data);
std::vector<uint8_t> WriteProps(const ShapeBoxProps& props);
bool GetOwnProperty(const ShapeBoxProps& props, int32_t own, PropertyValue* value);
SetOutcome SetOwnProperty(ShapeBoxProps& props, int32_t own, const PropertyValue& value);
