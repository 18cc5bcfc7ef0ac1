#include "faces/qt/units/PaintReplay.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include "core/paint/Borders.h"
#include "core/paint/PicturePlacement.h"
#include "faces/qt/units/GuiFont.h"

namespace {

using namespace paint;

QColor Colour(Argb argb) { return QColor::fromRgb(argb); }

QPen CosmeticPen(Argb colour, Dash dash)
{
    QPen pen(Colour(colour), 1);
    pen.setCosmetic(true);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    switch (dash) {
    case Dash::Dash: pen.setDashPattern({18, 6}); break;
    case Dash::Dot: pen.setDashPattern({3, 3}); break;
    case Dash::DashDot: pen.setDashPattern({9, 6, 3, 6}); break;
    case Dash::DashDotDot: pen.setDashPattern({9, 3, 3, 3, 3, 3}); break;
    default: break;
    }
    return pen;
}

QPainterPath Figure(Outline outline, const Rect& r, double rx, double ry)
{
    QPainterPath path;
    const QRectF cells(ToQRect(r));
    switch (outline) {
    case Outline::Ellipse: path.addEllipse(cells); break;
    case Outline::Rounded: path.addRoundedRect(cells, rx, ry); break;
    default: path.addRect(cells); break;
    }
    return path;
}

class Replayer {
public:
    Replayer(QPainter& painter, const QImage& picture) : m_painter(painter), m_picture(picture) {}

    void operator()(const FillOp& o) { m_painter.fillRect(ToQRect(o.rect), Colour(o.colour)); }
    void operator()(const FigureOp& o)
    {
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(Colour(o.colour));
        m_painter.drawPath(Figure(o.outline, o.rect, o.rx, o.ry));
    }
    void operator()(const RingOp& o)
    {
        QPainterPath ring = Figure(o.outline, o.outer, o.rx, o.ry);
        if (!o.inner.Empty()) {
            ring.addPath(Figure(o.outline, o.inner, o.inner_rx, o.inner_ry));
            ring.setFillRule(Qt::OddEvenFill);
        }
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(Colour(o.colour));
        m_painter.drawPath(ring);
    }
    void operator()(const StrokeOp& o)
    {
        // A 1-pixel pen strokes a rectangle of (w - 1, h - 1) over exactly w x h pixels.
        m_painter.setPen(CosmeticPen(o.pen, o.dash));
        if (o.filled)
            m_painter.setBrush(Colour(o.fill));
        else
            m_painter.setBrush(Qt::NoBrush);
        const QRect stroke = ToQRect(o.rect).adjusted(0, 0, -1, -1);
        switch (o.outline) {
        case Outline::Ellipse: m_painter.drawEllipse(stroke); break;
        case Outline::Rounded: m_painter.drawRoundedRect(stroke, o.rx, o.ry); break;
        default: m_painter.drawRect(stroke); break;
        }
    }
    void operator()(const LineOp& o)
    {
        m_painter.setPen(CosmeticPen(o.colour, o.dash));
        m_painter.drawLine(o.rect.x, o.rect.y, o.rect.x + o.rect.w - 1, o.rect.y + o.rect.h - 1);
    }
    void operator()(const RampOp& o)
    {
        const int w = o.rect.w, h = o.rect.h;
        QImage image(w, h, QImage::Format_RGB32);
        for (int y = 0; y < h; ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < w; ++x) {
                const size_t at = size_t(o.direction == 0   ? x
                                         : o.direction == 1 ? y
                                         : o.direction == 2 ? x + y
                                                            : x + h - 1 - y);
                row[x] = at < o.ramp.size() ? o.ramp[at] : 0xFF000000u;
            }
        }
        m_painter.drawImage(QPoint(o.rect.x, o.rect.y), image);
    }
    void operator()(const PictureOp& o)
    {
        if (m_picture.isNull())
            return;
        m_painter.save();
        m_painter.setClipRect(ToQRect(o.clip), Qt::IntersectClip);
        m_painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        const QRect target = ToQRect(o.target);
        if (target.size() == m_picture.size())
            m_painter.drawImage(target.topLeft(), m_picture);
        else
            m_painter.drawImage(target, m_picture);
        m_painter.restore();
    }
    void operator()(const TextOp& o)
    {
        m_painter.setFont(m_fonts.Get(o.font));
        m_painter.setPen(Colour(o.colour));
        m_painter.drawText(QPoint(o.x, o.baseline), QString::fromStdString(o.text));
    }
    void operator()(const ClipOp& o)
    {
        m_painter.save();
        m_painter.setClipRect(ToQRect(o.rect), Qt::IntersectClip);
    }
    void operator()(const UnclipOp&) { m_painter.restore(); }

private:
    QPainter& m_painter;
    const QImage& m_picture;
    QtFontCache m_fonts;
};

}  // namespace

void ReplayDisplayList(QPainter& painter, const DisplayList& list, const QImage& picture)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    Replayer replayer(painter, picture);
    for (const PaintOp& op : list)
        std::visit(replayer, op);
    painter.restore();
}

int32_t QtTextMeasure::Advance(const std::string& utf8, const TextFont& font) const
{
    return QFontMetrics(m_fonts.Get(font)).horizontalAdvance(QString::fromStdString(utf8));
}

QRect DrawBorder(QPainter& painter, const QRect& outer, int32_t style)
{
    DisplayList list;
    const Rect inside = AddBorder(list, ToPaintRect(outer), style);
    ReplayDisplayList(painter, list);
    return ToQRect(inside);
}

void DrawPicture(QPainter& painter, const QImage& picture, int32_t mode, const QRect& area)
{
    DisplayList list;
    AddPicture(list, {picture.width(), picture.height()}, mode, ToPaintRect(area));
    ReplayDisplayList(painter, list, picture);
}
