#pragma once
// The display list on GDI: fonts made from the units' text fonts (宋体 is SimSun on Windows),
// text measured by GDI for the painting rules, and a painted unit's list replayed into a DC.
#include "faces/win/window/WinApi.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "core/paint/DisplayList.h"

// A display-list colour as GDI's COLORREF.
COLORREF RefOf(paint::Argb argb);

// The GDI font of a text font, made once and kept for the run; `scale` is the monitor's factor.
HFONT FontOf(const paint::TextFont& text_font, double scale);
// The font of a unit's stored LOGFONT record, or the default 宋体 9 point when it has none.
HFONT FontOfRecord(std::span<const uint8_t> logfont, double scale);

// Where each character of `text` ends, in pixels from its start, as GDI draws it in
// FontOf(font, scale). At a size the stand-in's strikes draw, that is not where GDI's measure
// (GetTextExtent*, and so a control's own layout) puts it: the strikes' glyphs have their own
// advances.
std::vector<int> DrawnEnds(HDC dc, std::wstring_view text, const paint::TextFont& font, double scale);

// Advances in GDI's pixels at the factor 1, as the rules lay text out.
const paint::TextMeasure& GdiMeasure();

// A picture file (JPEG, PNG, BMP, GIF) decoded by the system's imaging component, as a 32-bit
// top-down bitmap; null when it does not decode.
HBITMAP DecodePicture(std::span<const uint8_t> bytes);

// Replays `list` onto `dc` at the factor `scale`, with `picture` for the picture operations.
void ReplayDisplayList(HDC dc, const paint::DisplayList& list, HBITMAP picture, double scale);
