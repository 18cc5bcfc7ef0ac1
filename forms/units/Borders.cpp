#include "forms/units/Borders.h"

#include <QPainter>

#include "forms/units/Colours.h"

namespace {

// One 1-pixel ring: the top and left lines in `top_left`, the bottom and right ones in
// `bottom_right`, which also takes the top-right and bottom-left corners as Windows does.
QRect Ring(QPainter& painter, const QRect& r, QRgb top_left, QRgb bottom_right)
{
    if (r.width() <= 0 || r.height() <= 0)
        return r;
    painter.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), QColor::fromRgb(top_left));
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), QColor::fromRgb(top_left));
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), QColor::fromRgb(bottom_right));
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), QColor::fromRgb(bottom_right));
    return r.adjusted(1, 1, -1, -1);
}

QRect Sunken(QPainter& painter, QRect r)
{
    r = Ring(painter, r, kShadowRgb, kHighlightRgb);
    return Ring(painter, r, kDarkShadowRgb, kLightRgb);
}

QRect DialogFrame(QPainter& painter, QRect r)
{
    r = Ring(painter, r, kLightRgb, kDarkShadowRgb);
    r = Ring(painter, r, kHighlightRgb, kShadowRgb);
    return Ring(painter, r, kButtonFaceRgb, kButtonFaceRgb);
}

}  // namespace

int BorderWidth(int32_t style)
{
    switch (BorderStyle(style)) {
    case BorderStyle::SunkenClient: return 2;
    case BorderStyle::RaisedDialog: return 3;
    case BorderStyle::ThinStatic: return 1;
    case BorderStyle::ClientInDialog: return 5;
    case BorderStyle::SingleLine: return 1;
    default: return 0;
    }
}

QRect DrawBorder(QPainter& painter, const QRect& outer, int32_t style)
{
    switch (BorderStyle(style)) {
    case BorderStyle::SunkenClient: return Sunken(painter, outer);
    case BorderStyle::RaisedDialog: return DialogFrame(painter, outer);
    case BorderStyle::ThinStatic: return Ring(painter, outer, kShadowRgb, kHighlightRgb);
    case BorderStyle::ClientInDialog: return Sunken(painter, DialogFrame(painter, outer));
    case BorderStyle::SingleLine: return Ring(painter, outer, kWindowFrameRgb, kWindowFrameRgb);
    default: return outer;
    }
}
