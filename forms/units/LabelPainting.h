#pragma once
// How a label paints itself, as a function of its properties:
//   1. its border (styles 0-5), inside which everything else goes;
//   2. with border 6, a gradient frame of the gradient-border width, which shrinks the area
//      the text and the background fill;
//   3. the background colour, then the background picture or the gradient background;
//   4. the caption, transparent, in the text colour and its effect, not clipped to the text
//      area: word-wrapped from the top, or one line placed by the vertical alignment.
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <cstdint>
#include <span>
#include <vector>

#include "forms/props/LabelProps.h"

class QPainter;

struct PlacedLine {
    QString text;
    QPoint baseline;  // where the line's text starts on its baseline
};

// Lays the caption out in `area`. Alignments: horizontal 0 left, 1 centre, 2 right; vertical
// 0 top, 1 centre, 2 bottom, single lines only. With wrap, CR LF / LF / CR end lines and lines
// wrap at word boundaries (between CJK characters too), the first line at the top; lines
// that overrun the area by a pixel or less each are drawn closer, the last one ending at the
// bottom. Without wrap, line ends are dropped and the text is one line.
std::vector<PlacedLine> LayoutLabelText(const QString& text, const QFont& font, const QRect& area,
                                        int32_t horizontal, int32_t vertical, bool wrap);

// The gradient modes 1-8 run the colours along a direction, the first colour at the start:
//   1 left to right    2 top to bottom    3 top-left to bottom-right    4 bottom-left to top-right
//   5-8 the same four directions reversed
// One colour fills flat; none, or mode 0, gives a null image.
QImage GradientImage(QSize size, int32_t mode, std::span<const QColor> colours);

// A frame of `width` 1-pixel rings inside `rect`, the colours running from the outer ring to
// the inner one. Needs at least two colours.
void PaintGradientFrame(QPainter& painter, const QRect& rect, int32_t width, std::span<const QColor> colours);

// The colours of a three-colour property that are not left out (0xFF000000), in order.
std::vector<QColor> PresentColours(const uint32_t (&colours)[3]);

// Paints the whole label into `outer` (the widget's rectangle). `caption` is the caption as
// Unicode and `picture` its decoded background picture (null when none).
void PaintLabel(QPainter& painter, const QRect& outer, const LabelProps& props, const QString& caption,
                const QFont& font, const QImage& picture);
