#include "core/paint/Colours.h"

#include "core/props/PropertySet.h"

namespace paint {

Argb ArgbFromWin(uint32_t value)
{
    if (value == kButtonFaceColour)
        return kButtonFaceArgb;
    return 0xFF000000u | (value & 0xFF) << 16 | (value & 0xFF00) | (value >> 16 & 0xFF);
}

std::vector<Argb> PresentColours(const uint32_t (&colours)[3])
{
    std::vector<Argb> present;
    for (uint32_t colour : colours)
        if (colour != kButtonFaceColour)
            present.push_back(ArgbFromWin(colour));
    return present;
}

Argb ColourAt(std::span<const Argb> colours, int64_t num, int64_t den)
{
    const int64_t n = static_cast<int64_t>(colours.size());
    if (n == 0)
        return kBlackArgb;
    if (den <= 0 || n == 1)
        return colours.front();
    const int64_t scaled = num * (n - 1);
    const int64_t segment = scaled / den;
    if (segment >= n - 1)
        return colours.back();
    const int64_t rem = scaled % den;
    const Argb a = colours[size_t(segment)];
    const Argb b = colours[size_t(segment + 1)];
    Argb mixed = 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        const int64_t ca = a >> shift & 0xFF, cb = b >> shift & 0xFF;
        mixed |= Argb((ca * (den - rem) + cb * rem + den / 2) / den) << shift;
    }
    return mixed;
}

}  // namespace paint
