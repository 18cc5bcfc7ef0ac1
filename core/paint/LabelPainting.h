#pragma once
// How a label paints itself, as a function of its properties and size:
//   1. its border (styles 0-5), inside which everything else goes;
//   2. the background colour; with border 6, a gradient frame of the gradient-border width,
//      which shrinks the area the text and the background fill;
//   3. the gradient background, else the background picture;
//   4. the caption, transparent, in the text colour and its effect, not clipped to the text
//      area: word-wrapped from the top, or one line placed by the vertical alignment.
#include <cstdint>
#include <span>
#include <vector>

#include "core/paint/DisplayList.h"
#include "core/props/LabelProps.h"

namespace paint {

// The gradient modes 1-8 run the colours along a direction, the first colour at the start:
//   1 left to right    2 top to bottom    3 top-left to bottom-right    4 bottom-left to top-right
//   5-8 the same four directions reversed
// One colour fills flat. Adds nothing for no colour, mode 0 or a mode past 8.
void AddGradient(DisplayList& list, const Rect& area, int32_t mode, std::span<const Argb> colours);

// A frame of `width` 1-pixel rings inside `rect`, the colours running from the outer ring to
// the inner one. Needs at least two colours.
void AddGradientFrame(DisplayList& list, const Rect& rect, int32_t width, std::span<const Argb> colours);

// `picture` is the size the background picture's file states (PictureFileSize).
DisplayList PaintLabel(const LabelProps& props, Size size, Size picture, const TextMeasure& measure);

}  // namespace paint
