#pragma once
// Where a picture goes in an area, by PictureMode (PicBox, and the background pictures of
// labels and windows):
//   TopLeft        at its own size at the top-left
//   Stretched      over the whole area
//   FittedCentred  at its own size centred when it fits, else scaled down to fit, aspect
//                  kept, centred
//     PictureTarget(2, {195, 113}, {0, 0, 208, 56}) == {56, 0, 96, 56}
#include <QImage>
#include <QRect>

#include <cstdint>

#include "forms/props/PropertySet.h"

class QPainter;

QRect PictureTarget(int32_t mode, QSize picture, const QRect& area);

// Draws the picture at its target, unsmoothed (nearest pixel), clipped to the area.
void DrawPicture(QPainter& painter, const QImage& picture, int32_t mode, const QRect& area);
