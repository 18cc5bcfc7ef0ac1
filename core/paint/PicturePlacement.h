#pragma once
// Where a picture goes in an area, by PictureMode (PicBox, and the background pictures of
// labels and windows):
//   TopLeft        at its own size at the top-left
//   Stretched      over the whole area
//   FittedCentred  at its own size centred when it fits, else scaled down to fit, aspect
//                  kept, centred
//     PictureTarget(2, {195, 113}, {0, 0, 208, 56}) == {56, 0, 96, 56}
#include <cstdint>
#include <span>

#include "core/paint/DisplayList.h"
#include "core/props/PicBoxProps.h"

namespace paint {

Rect PictureTarget(int32_t mode, Size picture, const Rect& area);

// Adds the picture at its target, clipped to the area; nothing when it has no size.
void AddPicture(DisplayList& list, Size picture, int32_t mode, const Rect& area);

// The size a picture file states in its header (JPEG, PNG, GIF, BMP); {0, 0} when it states
// none that can be read. A face that cannot decode the picture draws nothing for it.
//   a 195 x 113 JPEG -> {195, 113}     its first 10 bytes -> {0, 0}
Size PictureFileSize(std::span<const uint8_t> bytes);

// A picture box: its border, the background colour inside it, then the picture.
DisplayList PaintPicBox(const PicBoxProps& props, Size size, Size picture);

}  // namespace paint
