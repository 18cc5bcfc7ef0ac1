#include "forms/props/ShapeBoxProps.h"

#include "forms/props/OwnField.h"

namespace {

template <class Io, class P>
void Transfer(Io& io, P& p)
{
    io.U32(p.background);
    io.I32(p.shape);
    io.I32(p.effect_3d);
    io.I32(p.line_style);
    io.I32(p.line_width);
    io.U32(p.line_colour);
    io.U32(p.fill_colour);
}

FieldRef Field(ShapeBoxProps& p, int32_t own)
{
    switch (own) {
    case ShapeBoxOwn::Background: return ColourField(p.background);
    case ShapeBoxOwn::Shape: return ChoiceField(p.shape, int32_t(Shape::VerticalLine));
    case ShapeBoxOwn::Effect3d: return ChoiceField(p.effect_3d, int32_t(Effect3d::Sunken));
    case ShapeBoxOwn::LineStyle: return ChoiceField(p.line_style, int32_t(LineStyle::DashDotDot));
    case ShapeBoxOwn::LineWidth: return IntegerField(p.line_width, 0);
    case ShapeBoxOwn::LineColour: return ColourField(p.line_colour);
    case ShapeBoxOwn::FillColour: return ColourField(p.fill_colour);
    default: return {};
    }
}

}  // namespace

DEFINE_PROPERTY_SET(ShapeBoxProps, kShapeBoxMaxVersion, ShapeBoxOwn::Count)
