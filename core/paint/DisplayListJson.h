#pragma once
// A display list as compact JSON, one array per operation, its name first; the page replays
// it, and the tests compare the lists of two faces by it:
//   ["fill", x, y, w, h, argb]
//   ["figure", outline, x, y, w, h, rx, ry, argb]
//   ["ring", outline, x, y, w, h, rx, ry, ix, iy, iw, ih, irx, iry, argb]
//   ["stroke", outline, x, y, w, h, rx, ry, pen, dash, filled, fill]
//   ["line", x, y, w, h, argb, dash]
//   ["ramp", x, y, w, h, direction, [argb, ...]]
//   ["picture", clip x, y, w, h, target x, y, w, h]
//   ["text", x, baseline, "text", argb, pixels, weight, italic + 2 underline + 4 strike-out, "face"]
//   ["clip", x, y, w, h]      ["unclip"]
// Outlines and dashes by their enumerators' numbers; texts UTF-8.
#include <string>
#include <string_view>

#include "core/paint/DisplayList.h"

namespace paint {

std::string DisplayListJson(const DisplayList& list);

// A UTF-8 text as a JSON string, quoted, with quotes, backslashes and control characters
// escaped: "a\"b" for a"b. Appended to out.
void AppendJsonString(std::string& out, std::string_view utf8);

}  // namespace paint
