#pragma once
// Windows colour values (0x00BBGGRR) as the display list's colours, and the classic system
// colours the kinds draw their edges with. The button face is one fixed grey everywhere
// 0xFF000000 appears, so the picture of a window is the same on every face.
#include <cstdint>
#include <span>
#include <vector>

#include "core/paint/DisplayList.h"

namespace paint {

constexpr Argb kButtonFaceArgb = 0xFFF0F0F0;
constexpr Argb kHighlightArgb = 0xFFFFFFFF;    // lit outer edge of a raised border
constexpr Argb kLightArgb = 0xFFE3E3E3;        // lit inner edge
constexpr Argb kShadowArgb = 0xFFA0A0A0;       // shaded outer edge of a sunken border
constexpr Argb kDarkShadowArgb = 0xFF696969;   // shaded inner edge
constexpr Argb kWindowFrameArgb = 0xFF646464;  // single-line border
constexpr Argb kWhiteArgb = 0xFFFFFFFF;
constexpr Argb kBlackArgb = 0xFF000000;

// 0x0000FF -> red; the top byte is ignored except in the button-face value.
//   ArgbFromWin(0x800000) == 0xFF000080     ArgbFromWin(0xFF000000) == kButtonFaceArgb
Argb ArgbFromWin(uint32_t value);

// The colours of a three-colour property that are not left out (0xFF000000), in order.
std::vector<Argb> PresentColours(const uint32_t (&colours)[3]);

// The colour at position num/den along the list, linear between neighbours, rounded.
//   ColourAt({black, white}, 1, 2) == 0xFF808080
Argb ColourAt(std::span<const Argb> colours, int64_t num, int64_t den);

}  // namespace paint
