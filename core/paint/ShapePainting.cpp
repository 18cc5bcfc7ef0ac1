#include "core/paint/ShapePainting.h"

#include <algorithm>

#include "core/paint/Colours.h"

namespace paint {

namespace {

struct Pass {
    Rect rect;
    Argb pen;
    bool fill;  // the pass fills (when the shape has a fill colour at all)
};

Dash DashOf(LineStyle style)
{
    switch (style) {
    case LineStyle::Dash: return Dash::Dash;
    case LineStyle::Dot: return Dash::Dot;
    case LineStyle::DashDot: return Dash::DashDot;
    case LineStyle::DashDotDot: return Dash::DashDotDot;
    default: return Dash::Solid;
    }
}

Outline OutlineOf(Shape shape)
{
    switch (shape) {
    case Shape::Ellipse:
    case Shape::Circle: return Outline::Ellipse;
    case Shape::RoundedRectangle:
    case Shape::RoundedSquare: return Outline::Rounded;
    default: return Outline::Rectangle;
    }
}

bool IsSquared(Shape shape)
{
    return shape == Shape::Square || shape == Shape::Circle || shape == Shape::RoundedSquare;
}

Rect Squared(const Rect& r)
{
    const int32_t side = std::min(r.w, r.h);
    return {r.x + (r.w - side) / 2, r.y + (r.h - side) / 2, side, side};
}

void AddLine(DisplayList& list, Shape shape, Size size, const Pass& pass, LineStyle style, int32_t width)
{
    if (style == LineStyle::None)
        return;
    const bool horizontal = shape == Shape::HorizontalLine;
    const int32_t at = horizontal ? pass.rect.y : pass.rect.x;
    const int32_t length = horizontal ? size.w : size.h;
    if (length <= 0)
        return;
    if (style == LineStyle::Solid)
        list.push_back(FillOp{horizontal ? Rect{0, at, length, width} : Rect{at, 0, width, length}, pass.pen});
    else
        list.push_back(
            LineOp{horizontal ? Rect{0, at, length, 1} : Rect{at, 0, 1, length}, pass.pen, DashOf(style)});
}

void AddFigure(DisplayList& list, Shape shape, const Pass& pass, const Argb* fill, LineStyle style,
               int32_t width)
{
    // Corners come from the pass rectangle before it is squared.
    const double rx = pass.rect.w / 5 / 2.0;
    const double ry = pass.rect.h / 5 / 2.0;
    const Rect r = IsSquared(shape) ? Squared(pass.rect) : pass.rect;
    if (r.Empty())
        return;
    const Outline outline = OutlineOf(shape);
    const Argb* brush = pass.fill ? fill : nullptr;

    if (style == LineStyle::None) {
        if (brush)
            list.push_back(FigureOp{outline, r, std::max(rx, 0.0), std::max(ry, 0.0), *brush});
        return;
    }
    if (style == LineStyle::Solid && width > 1) {
        // A thick solid line lies inside the shape: a ring between the outline and the outline
        // shrunk by the width.
        Rect inner = r.Shrunk(width);
        const double inner_rx = std::max(rx - width, 0.0), inner_ry = std::max(ry - width, 0.0);
        if (inner.Empty())
            inner = {};
        else if (brush)
            list.push_back(FigureOp{outline, inner, inner_rx, inner_ry, *brush});
        list.push_back(
            RingOp{outline, r, std::max(rx, 0.0), std::max(ry, 0.0), inner, inner_rx, inner_ry, pass.pen});
        return;
    }
    list.push_back(StrokeOp{outline, r, rx, ry, pass.pen, DashOf(style), brush != nullptr, brush ? *brush : 0});
}

}  // namespace

DisplayList PaintShapeBox(const ShapeBoxProps& props, Size size)
{
    DisplayList list;
    list.push_back(FillOp{{0, 0, size.w, size.h}, ArgbFromWin(props.background)});

    const Shape shape = static_cast<Shape>(std::clamp(props.shape, 0, int32_t(Shape::VerticalLine)));
    const LineStyle style = static_cast<LineStyle>(
        std::clamp(props.line_style, 0, int32_t(LineStyle::DashDotDot)));
    const int32_t w = size.w, h = size.h;
    std::vector<Pass> passes;
    switch (Effect3d(props.effect_3d)) {
    case Effect3d::Raised:
        passes = {{{1, 1, w - 1, h - 1}, kWhiteArgb, true}, {{0, 0, w - 1, h - 1}, kBlackArgb, false}};
        break;
    case Effect3d::Sunken:
        passes = {{{1, 1, w - 1, h - 1}, kBlackArgb, true}, {{0, 0, w - 1, h - 1}, kWhiteArgb, false}};
        break;
    default: passes = {{{0, 0, w, h}, ArgbFromWin(props.line_colour), true}}; break;
    }
    const int32_t width = props.effect_3d == int32_t(Effect3d::Flat) && style == LineStyle::Solid
                              ? std::max(props.line_width, 1)
                              : 1;
    const Argb fill = ArgbFromWin(props.fill_colour);
    const Argb* fill_or_none = props.fill_colour == kButtonFaceColour ? nullptr : &fill;

    for (const Pass& pass : passes) {
        if (shape == Shape::HorizontalLine || shape == Shape::VerticalLine)
            AddLine(list, shape, size, pass, style, width);
        else
            AddFigure(list, shape, pass, fill_or_none, style, width);
    }
    return list;
}

}  // namespace paint
