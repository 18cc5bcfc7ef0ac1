#pragma once
// The border styles shared by EditBox, Label and PicBox, drawn as classic Windows edges. The
// border belongs to the unit's frame: what the kind paints goes inside it.
//   0 none                       0 px
//   1 sunken client edge         2 px   shadow / dark shadow over highlight / light
//   2 raised dialog-frame edge   3 px   raised 2-px edge and a ring of button face
//   3 thin static edge           1 px   shadow over highlight
//   4 client edge in a dialog frame  5 px
//   5 single-line border         1 px   window frame
// Other values (Label's 6, the gradient border the label paints itself) draw nothing here.
#include <cstdint>

#include "core/paint/DisplayList.h"

namespace paint {

int32_t BorderWidth(int32_t style);

// Adds the border along the inside of `outer` and returns the rectangle left inside it.
//   AddBorder(list, {0, 0, 40, 20}, 3) == {1, 1, 38, 18}
Rect AddBorder(DisplayList& list, const Rect& outer, int32_t style);

}  // namespace paint
