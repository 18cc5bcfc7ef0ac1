#pragma once
// The display list on GDI: a painted unit's list replayed into a DC at the monitor's factor.
// Its fonts are GdiFonts.h's, its pictures WicPicture.h's.
#include "faces/win/window/WinApi.h"

#include <cmath>
#include <cstdint>

#include "core/paint/DisplayList.h"

// A length at the factor `scale`.
inline int AtScale(int32_t value, double scale) { return int(std::lround(value * scale)); }

// A display-list colour as GDI's COLORREF.
COLORREF RefOf(paint::Argb argb);

// Replays `list` onto `dc` at the factor `scale`, with `picture` for the picture operations.
void ReplayDisplayList(HDC dc, const paint::DisplayList& list, HBITMAP picture, double scale);
