#pragma once
// Fonts of the kinds as Qt fonts; a stored font is a Windows LOGFONT.
#include <QFont>

#include <cstdint>
#include <span>

#include "forms/props/LogFont.h"

// The font of every unit without a font of its own, and of every window.
QFont DefaultGuiFont();

// A 60-byte LOGFONT as a Qt font: a negative height is the pixel height, a positive one the
// cell height (taken as the pixel height too), 0 the default 12 pixels; weight 0 is normal;
// a face that is not installed ("宋体" here) falls back to the pinned family. Anything but
// 60 bytes gives the default GUI font.
QFont FontFromLogFont(std::span<const uint8_t> logfont);

// Lines of text are set at a fixed pitch of the pixel height plus one, with the baseline at
// the pixel height less one below the line's top, like the classic CJK bitmap fonts: five
// lines of the 12-pixel font take 65 pixels (ink to the last descender).
struct TextLineMetrics {
    int pitch;
    int baseline;
};
TextLineMetrics LineMetrics(const QFont& font);
