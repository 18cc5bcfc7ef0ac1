#include "forms/units/ShapePainting.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

#include "forms/units/Colours.h"

namespace {

struct Pass {
    QRect rect;         // the pass rectangle, right and bottom exclusive as QRect's size says
    QColor pen;
    bool fill;          // the pass fills (when the shape has a fill colour at all)
};

// The classic cosmetic dash patterns, in pixels on and off.
QList<qreal> DashPattern(LineStyle style)
{
    switch (style) {
    case LineStyle::Dash: return {18, 6};
    case LineStyle::Dot: return {3, 3};
    case LineStyle::DashDot: return {9, 6, 3, 6};
    case LineStyle::DashDotDot: return {9, 3, 3, 3, 3, 3};
    default: return {};
    }
}

QPen CosmeticPen(const QColor& colour, LineStyle style)
{
    QPen pen(colour, 1);
    pen.setCosmetic(true);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    if (style != LineStyle::Solid)
        pen.setDashPattern(DashPattern(style));
    return pen;
}

bool IsSquared(Shape shape)
{
    return shape == Shape::Square || shape == Shape::Circle || shape == Shape::RoundedSquare;
}

QRect Squared(const QRect& r)
{
    const int side = std::min(r.width(), r.height());
    return QRect(r.left() + (r.width() - side) / 2, r.top() + (r.height() - side) / 2, side, side);
}

// The outline of a rect-like shape as a path over pixel cells `r`, for filled rings.
QPainterPath Outline(Shape shape, const QRectF& r, qreal rx, qreal ry)
{
    QPainterPath path;
    switch (shape) {
    case Shape::Ellipse:
    case Shape::Circle: path.addEllipse(r); break;
    case Shape::RoundedRectangle:
    case Shape::RoundedSquare: path.addRoundedRect(r, std::max<qreal>(rx, 0), std::max<qreal>(ry, 0)); break;
    default: path.addRect(r); break;
    }
    return path;
}

void DrawLine(QPainter& painter, Shape shape, QSize size, const Pass& pass, LineStyle style, int width)
{
    if (style == LineStyle::None)
        return;
    const bool horizontal = shape == Shape::HorizontalLine;
    const int at = horizontal ? pass.rect.top() : pass.rect.left();
    const int length = horizontal ? size.width() : size.height();
    if (length <= 0)
        return;
    if (style == LineStyle::Solid) {
        painter.fillRect(horizontal ? QRect(0, at, length, width) : QRect(at, 0, width, length), pass.pen);
        return;
    }
    painter.setPen(CosmeticPen(pass.pen, style));
    if (horizontal)
        painter.drawLine(0, at, length - 1, at);
    else
        painter.drawLine(at, 0, at, length - 1);
}

void DrawFigure(QPainter& painter, Shape shape, const Pass& pass, const QColor* fill, LineStyle style, int width)
{
    // Corners come from the pass rectangle before it is squared.
    const qreal rx = pass.rect.width() / 5 / 2.0;
    const qreal ry = pass.rect.height() / 5 / 2.0;
    const QRect r = IsSquared(shape) ? Squared(pass.rect) : pass.rect;
    if (r.width() <= 0 || r.height() <= 0)
        return;
    const QColor* brush = pass.fill ? fill : nullptr;

    if (style == LineStyle::None) {
        if (brush) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(*brush);
            painter.drawPath(Outline(shape, QRectF(r), rx, ry));
        }
        return;
    }
    if (style == LineStyle::Solid && width > 1) {
        // A thick solid line lies inside the shape: a ring between the outline and the outline
        // shrunk by the width.
        const QRectF outer(r);
        const QRectF inner = outer.adjusted(width, width, -width, -width);
        QPainterPath ring = Outline(shape, outer, rx, ry);
        painter.setPen(Qt::NoPen);
        if (inner.width() > 0 && inner.height() > 0) {
            const QPainterPath hole = Outline(shape, inner, rx - width, ry - width);
            if (brush) {
                painter.setBrush(*brush);
                painter.drawPath(hole);
            }
            ring.addPath(hole);
            ring.setFillRule(Qt::OddEvenFill);
        }
        painter.setBrush(pass.pen);
        painter.drawPath(ring);
        return;
    }
    // A 1-pixel pen: Qt strokes a rectangle of size (w - 1, h - 1) over exactly w x h pixels.
    painter.setPen(CosmeticPen(pass.pen, style));
    if (brush)
        painter.setBrush(*brush);
    else
        painter.setBrush(Qt::NoBrush);
    const QRect stroke = r.adjusted(0, 0, -1, -1);
    switch (shape) {
    case Shape::Ellipse:
    case Shape::Circle: painter.drawEllipse(stroke); break;
    case Shape::RoundedRectangle:
    case Shape::RoundedSquare: painter.drawRoundedRect(stroke, rx, ry); break;
    default: painter.drawRect(stroke); break;
    }
}

}  // namespace

void PaintShapeBox(QPainter& painter, QSize size, const ShapeBoxProps& props)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(QPoint(0, 0), size), ColourFromWin(props.background));

    const Shape shape = static_cast<Shape>(std::clamp(props.shape, 0, int32_t(Shape::VerticalLine)));
    const LineStyle style = static_cast<LineStyle>(std::clamp(props.line_style, 0, int32_t(LineStyle::DashDotDot)));
    const int w = size.width(), h = size.height();
    std::vector<Pass> passes;
    switch (Effect3d(props.effect_3d)) {
    case Effect3d::Raised:
        passes = {{QRect(1, 1, w - 1, h - 1), Qt::white, true}, {QRect(0, 0, w - 1, h - 1), Qt::black, false}};
        break;
    case Effect3d::Sunken:
        passes = {{QRect(1, 1, w - 1, h - 1), Qt::black, true}, {QRect(0, 0, w - 1, h - 1), Qt::white, false}};
        break;
    default:
        passes = {{QRect(0, 0, w, h), ColourFromWin(props.line_colour), true}};
        break;
    }
    const int width = props.effect_3d == int32_t(Effect3d::Flat) && style == LineStyle::Solid ? std::max(props.line_width, 1) : 1;
    const QColor fill = ColourFromWin(props.fill_colour);
    const QColor* fill_or_none = props.fill_colour == kButtonFaceColour ? nullptr : &fill;

    for (const Pass& pass : passes) {
        if (shape == Shape::HorizontalLine || shape == Shape::VerticalLine)
            DrawLine(painter, shape, size, pass, style, width);
        else
            DrawFigure(painter, shape, pass, fill_or_none, style, width);
    }
    painter.restore();
}
