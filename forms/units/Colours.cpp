#include "forms/units/Colours.h"

QColor ColourFromWin(uint32_t value)
{
    if (value == kButtonFaceColour)
        return QColor::fromRgb(kButtonFaceRgb);
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}
