#pragma once
// The fonts the display list's text is drawn in on GDI (宋体 is SimSun on Windows; without it the
// pinned family stands in, its outlines placing the characters and its bitmap strikes drawing
// them) and the text measure the painting rules lay text out with.
#include "faces/win/window/WinApi.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/paint/DisplayList.h"
#include "core/paint/TextLayout.h"

// The GDI font of a text font, made once and kept for the run; `scale` is the monitor's factor.
HFONT FontOf(const paint::TextFont& text_font, double scale);
// The font of a unit's stored LOGFONT record, or the default 宋体 9 point when it has none.
HFONT FontOfRecord(std::span<const uint8_t> logfont, double scale);

// Where each character of `text` ends, in pixels from the start, when the stand-in family
// draws it: by its outlines' advances in fractions of a pixel, as the desktop and the page place them,
// read from the outline face made up to 64 times larger (a few thousand pixels at most), the
// strikes fitted in where they draw. Empty for a typeface of the system's own.
std::vector<double> StandInEnds(HDC dc, const paint::TextFont& font, double scale, const std::wstring& text);

// Where each character of `text` ends, in pixels from its start, as GDI draws it in
// FontOf(font, scale). At a size the stand-in's strikes draw, that is not where GDI's measure
// (GetTextExtent*, and so a control's own layout) puts it: the strikes' glyphs have their own
// advances.
std::vector<int> DrawnEnds(HDC dc, std::wstring_view text, const paint::TextFont& font, double scale);

// Advances in GDI's pixels at the factor 1, as the rules lay text out.
const paint::TextMeasure& GdiMeasure();
