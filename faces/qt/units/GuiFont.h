#pragma once
// Fonts of the kinds as Qt fonts; a stored font is a Windows LOGFONT.
#include <QFont>

#include <cstdint>
#include <span>

#include "core/paint/DisplayList.h"
#include "core/props/LogFont.h"

// The font of every unit without a font of its own, and of every window.
QFont DefaultGuiFont();

// A text font of the display list as a Qt font: its pixel size, weight and styles, and its
// face when that is installed, else the pinned family ("宋体" here falls back).
QFont QtFontOf(const paint::TextFont& text_font);

// QtFontOf of the last text font asked for, made again only when the font changes: texts
// come in runs of one font.
class QtFontCache {
public:
    const QFont& Get(const paint::TextFont& text_font);

private:
    bool m_made = false;
    paint::TextFont m_text_font;
    QFont m_font;
};

// A 60-byte LOGFONT as a Qt font, read by TextFontFromLogFont (core/paint/TextLayout.h).
// Anything but 60 bytes gives the default GUI font.
QFont FontFromLogFont(std::span<const uint8_t> logfont);
