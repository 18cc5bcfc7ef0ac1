#pragma once
// Windows colour values (0x00BBGGRR) as Qt colours, and the classic system colours the kinds
// draw their edges with. The button face is one fixed grey everywhere 0xFF000000 appears, so
// the picture of a window is the same on every desktop.
#include <QColor>

#include <cstdint>

#include "forms/props/PropertySet.h"

constexpr QRgb kButtonFaceRgb = 0xFFF0F0F0;
constexpr QRgb kHighlightRgb = 0xFFFFFFFF;   // lit outer edge of a raised border
constexpr QRgb kLightRgb = 0xFFE3E3E3;       // lit inner edge
constexpr QRgb kShadowRgb = 0xFFA0A0A0;      // shaded outer edge of a sunken border
constexpr QRgb kDarkShadowRgb = 0xFF696969;  // shaded inner edge
constexpr QRgb kWindowFrameRgb = 0xFF646464; // single-line border

// 0x0000FF -> red; the top byte is ignored except in the button-face value.
//   ColourFromWin(0x800000) == QColor(0, 0, 128)     ColourFromWin(0xFF000000) == button face
QColor ColourFromWin(uint32_t value);
