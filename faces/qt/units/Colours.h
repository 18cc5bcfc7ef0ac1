#pragma once
// Windows colour values (0x00BBGGRR) as Qt colours, by the display list's rule
// (core/paint/Colours.h), for the kinds that are Qt controls.
//   ColourFromWin(0x800000) == QColor(0, 0, 128)     ColourFromWin(0xFF000000) == button face
#include <QColor>

#include <cstdint>

#include "core/paint/Colours.h"

inline QColor ColourFromWin(uint32_t value) { return QColor::fromRgb(paint::ArgbFromWin(value)); }
