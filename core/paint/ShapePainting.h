#pragma once
// How a shape box paints itself, as a function of its properties: the background colour over
// the whole box, then the shape once (3-D effect 0) or in two passes (effects 1 and 2):
//   effect 0: rectangle (0, 0)-(w, h), line colour, fill colour (0xFF000000 = no fill)
//   effect 1: white pen at (1, 1)-(w, h) with the fill, then black pen at (0, 0)-(w-1, h-1)
//   effect 2: the same with black first and white second
// (right and bottom edges exclusive). Square, circle and rounded square take the centred
// square of the shorter side; rounded corners are ellipses of a fifth of the pass rectangle's
// width and height taken before squaring. A horizontal line runs along the top edge and a
// vertical one along the left edge, and the passes move them only across their thickness.
// The line width counts only for a solid line with effect 0; it is drawn inside the shape.
// Dashed styles use the classic 1-pixel patterns with transparent gaps.
#include "core/paint/DisplayList.h"
#include "core/props/ShapeBoxProps.h"

namespace paint {

DisplayList PaintShapeBox(const ShapeBoxProps& props, Size size);

}  // namespace paint
