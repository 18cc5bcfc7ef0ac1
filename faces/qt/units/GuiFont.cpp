#include "faces/qt/units/GuiFont.h"

#include <QFontDatabase>

#include <algorithm>

#include "core/props/PropertySet.h"
#include "core/paint/TextLayout.h"

namespace {

// Rendering settings pinned with the family: whole pixels without antialiasing, and no
// hinting, which at 12 pixels breaks strokes of CJK glyphs apart.
void PinRendering(QFont& font)
{
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    font.setHintingPreference(QFont::PreferNoHinting);
}

}  // namespace

QFont DefaultGuiFont()
{
    QFont font(QString::fromLatin1(kGuiFontFamily));
    font.setPixelSize(kGuiFontPixels);
    PinRendering(font);
    return font;
}

QFont QtFontOf(const paint::TextFont& text_font)
{
    QFont font = DefaultGuiFont();
    font.setPixelSize(std::max(text_font.pixels, 1));
    font.setWeight(QFont::Weight(std::clamp(text_font.weight, 1, 1000)));
    font.setItalic(text_font.italic);
    font.setUnderline(text_font.underline);
    font.setStrikeOut(text_font.strike_out);
    const QString family = QString::fromStdString(text_font.face);
    if (!family.isEmpty() && QFontDatabase::hasFamily(family))
        font.setFamily(family);
    return font;
}

const QFont& QtFontCache::Get(const paint::TextFont& text_font)
{
    if (!m_made || !(text_font == m_text_font)) {
        m_font = QtFontOf(text_font);
        m_text_font = text_font;
        m_made = true;
    }
    return m_font;
}

QFont FontFromLogFont(std::span<const uint8_t> logfont)
{
    if (logfont.size() != kLogFontSize)
        return DefaultGuiFont();
    return QtFontOf(paint::TextFontFromLogFont(logfont));
}
