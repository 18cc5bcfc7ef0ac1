#include "forms/units/LabelPainting.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>

#include "forms/units/Borders.h"
#include "forms/units/Colours.h"
#include "forms/units/GuiFont.h"
#include "forms/units/PicturePlacement.h"

namespace {

// The colour at position num/den along the list, linear between neighbours, rounded.
QRgb ColourAt(std::span<const QColor> colours, int64_t num, int64_t den)
{
    const int64_t n = static_cast<int64_t>(colours.size());
    if (den <= 0 || n == 1)
        return colours.front().rgb();
    const int64_t scaled = num * (n - 1);
    const int64_t segment = scaled / den;
    if (segment >= n - 1)
        return colours.back().rgb();
    const int64_t rem = scaled % den;
    const QColor& a = colours[segment];
    const QColor& b = colours[segment + 1];
    auto mix = [&](int ca, int cb) { return static_cast<int>((ca * (den - rem) + cb * rem + den / 2) / den); };
    return qRgb(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()));
}

// Splits at CR LF, LF or CR.
QStringList Paragraphs(const QString& text)
{
    QString unified = text;
    unified.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    unified.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return unified.split(QLatin1Char('\n'));
}

int AlignedLeft(const QRect& area, int width, int32_t horizontal)
{
    switch (HorizontalAlignment(horizontal)) {
    case HorizontalAlignment::Centre: return area.left() + (area.width() - width) / 2;
    case HorizontalAlignment::Right: return area.left() + area.width() - width;
    default: return area.left();
    }
}

// The width the alignment sees: trailing blanks do not count.
int InkWidth(const QFontMetrics& metrics, const QString& line)
{
    qsizetype end = line.size();
    while (end > 0 && line[end - 1].isSpace())
        --end;
    return metrics.horizontalAdvance(line.left(end));
}

}  // namespace

std::vector<PlacedLine> LayoutLabelText(const QString& text, const QFont& font, const QRect& area,
                                        int32_t horizontal, int32_t vertical, bool wrap)
{
    const QFontMetrics metrics(font);
    const TextLineMetrics line_metrics = LineMetrics(font);
    std::vector<PlacedLine> lines;
    if (!wrap) {
        QString line = text;
        line.remove(QLatin1Char('\r'));
        line.remove(QLatin1Char('\n'));
        int top = area.top();
        if (vertical == int32_t(VerticalAlignment::Centre))
            top += (area.height() - line_metrics.pitch) / 2;
        else if (vertical == int32_t(VerticalAlignment::Bottom))
            top += area.height() - line_metrics.pitch;
        const int left = AlignedLeft(area, InkWidth(metrics, line), horizontal);
        lines.push_back({line, QPoint(left, top + line_metrics.baseline)});
        return lines;
    }

    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    for (const QString& paragraph : Paragraphs(text)) {
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        bool any = false;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(std::max(area.width(), 0));
            const QString part = paragraph.mid(line.textStart(), line.textLength());
            lines.push_back({part, QPoint(AlignedLeft(area, InkWidth(metrics, part), horizontal), 0)});
            any = true;
        }
        layout.endLayout();
        if (!any)  // an empty paragraph is an empty line
            lines.push_back({QString(), QPoint(area.left(), 0)});
    }

    // Lines that overrun the bottom by at most a pixel each are drawn that much closer, the
    // last one ending at the bottom, so that its descenders are not cut; the line height
    // never drops below the font's, so lines touch but do not overlap.
    const int64_t count = static_cast<int64_t>(lines.size());
    const int64_t pitch = line_metrics.pitch;
    const int64_t room = int64_t(area.height()) - pitch;  // for the steps between the line tops
    const bool squeeze = count > 1 && count * pitch > area.height() && room >= (count - 1) * (pitch - 1);
    for (int64_t i = 0; i < count; ++i) {
        const int64_t top = squeeze ? i * room / (count - 1) : i * pitch;
        lines[size_t(i)].baseline.setY(static_cast<int>(area.top() + top + line_metrics.baseline));
    }
    return lines;
}

QImage GradientImage(QSize size, int32_t mode, std::span<const QColor> colours)
{
    if (mode <= kGradientNone || mode > kGradientLastMode || colours.empty() || size.isEmpty())
        return {};
    QImage image(size, QImage::Format_RGB32);
    const int64_t w = size.width(), h = size.height();
    const int direction = (mode - 1) % 4;
    const bool reversed = mode > 4;
    const int64_t den = direction == 0 ? w - 1 : direction == 1 ? h - 1 : (w - 1) + (h - 1);
    for (int64_t y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y)));
        for (int64_t x = 0; x < w; ++x) {
            int64_t num = direction == 0 ? x : direction == 1 ? y : direction == 2 ? x + y : x + (h - 1 - y);
            if (reversed)
                num = den - num;
            row[x] = ColourAt(colours, num, den);
        }
    }
    return image;
}

void PaintGradientFrame(QPainter& painter, const QRect& rect, int32_t width, std::span<const QColor> colours)
{
    if (colours.size() < 2)
        return;
    QRect ring = rect;
    for (int32_t i = 0; i < width && ring.width() > 0 && ring.height() > 0; ++i) {
        const QColor colour = QColor::fromRgb(ColourAt(colours, i, width - 1));
        painter.fillRect(QRect(ring.left(), ring.top(), ring.width(), 1), colour);
        painter.fillRect(QRect(ring.left(), ring.bottom(), ring.width(), 1), colour);
        painter.fillRect(QRect(ring.left(), ring.top(), 1, ring.height()), colour);
        painter.fillRect(QRect(ring.right(), ring.top(), 1, ring.height()), colour);
        ring.adjust(1, 1, -1, -1);
    }
}

std::vector<QColor> PresentColours(const uint32_t (&colours)[3])
{
    std::vector<QColor> present;
    for (uint32_t colour : colours)
        if (colour != kButtonFaceColour)
            present.push_back(ColourFromWin(colour));
    return present;
}

void PaintLabel(QPainter& painter, const QRect& outer, const LabelProps& props, const QString& caption,
                const QFont& font, const QImage& picture)
{
    const QRect client = DrawBorder(painter, outer, props.border);
    if (client.isEmpty())
        return;
    painter.save();
    painter.setClipRect(client);
    painter.fillRect(client, ColourFromWin(props.background));

    QRect area = client;
    if (props.border == int32_t(BorderStyle::Gradient) && props.gradient_border_width > 0) {
        PaintGradientFrame(painter, client, props.gradient_border_width, PresentColours(props.gradient_border));
        const int w = props.gradient_border_width;
        area = client.adjusted(w, w, -w, -w);
    }

    if (!area.isEmpty()) {
        const std::vector<QColor> gradient = PresentColours(props.gradient_background);
        if (props.gradient_mode != kGradientNone && !gradient.empty())
            painter.drawImage(area.topLeft(), GradientImage(area.size(), props.gradient_mode, gradient));
        else if (!picture.isNull())
            DrawPicture(painter, picture, props.picture_mode, area);
    }

    if (!caption.isEmpty()) {
        const std::vector<PlacedLine> lines = LayoutLabelText(
            caption, font, area, props.horizontal_alignment, props.vertical_alignment, props.word_wrap != 0);
        painter.setFont(font);
        auto draw = [&](QPoint offset, const QColor& colour) {
            painter.setPen(colour);
            for (const PlacedLine& line : lines)
                painter.drawText(line.baseline + offset, line.text);
        };
        const QColor text = ColourFromWin(props.text_colour);
        switch (TextEffect(props.text_effect)) {
        case TextEffect::WhiteBehind:
            draw({1, 1}, Qt::white);
            draw({0, 0}, text);
            break;
        case TextEffect::WhiteInPlace:
            draw({0, 0}, Qt::white);
            draw({1, 1}, text);
            break;
        case TextEffect::BlackShadow:
            draw({2, 2}, Qt::black);
            draw({0, 0}, text);
            break;
        default:
            draw({0, 0}, text);
            break;
        }
    }
    painter.restore();
}
