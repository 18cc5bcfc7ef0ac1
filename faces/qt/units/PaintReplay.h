#pragma once
// The Qt face of the painting rules (core/paint/): QPainter replays a display list, and Qt's
// fonts measure text for the rules that lay it out.
#include <QFont>
#include <QImage>
#include <QRect>

#include "core/paint/DisplayList.h"
#include "faces/qt/units/GuiFont.h"

class QPainter;

// Replays `list` with the painter; `picture` is the unit's decoded picture that picture
// operations draw (none when null).
void ReplayDisplayList(QPainter& painter, const paint::DisplayList& list, const QImage& picture = {});

// Advances by QFontMetrics of the fonts QtFontOf makes.
class QtTextMeasure final : public paint::TextMeasure {
public:
    int32_t Advance(const std::string& utf8, const paint::TextFont& font) const override;

private:
    mutable QtFontCache m_fonts;
};

// Draws a border (core/paint/Borders.h) along the inside of `outer`; returns what is left inside.
QRect DrawBorder(QPainter& painter, const QRect& outer, int32_t style);

// Draws `picture` in `area` by its picture mode (core/paint/PicturePlacement.h).
void DrawPicture(QPainter& painter, const QImage& picture, int32_t mode, const QRect& area);

inline paint::Rect ToPaintRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }
inline QRect ToQRect(const paint::Rect& r) { return {r.x, r.y, r.w, r.h}; }
