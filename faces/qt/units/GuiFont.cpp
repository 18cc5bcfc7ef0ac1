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

QFont FontFromSpec(const paint::FontSpec& spec)
{
    QFont font = DefaultGuiFont();
    font.setPixelSize(std::max(spec.pixels, 1));
    font.setWeight(QFont::Weight(std::clamp(spec.weight, 1, 1000)));
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    font.setStrikeOut(spec.strike_out);
    const QString family = QString::fromStdString(spec.face);
    if (!family.isEmpty() && QFontDatabase::hasFamily(family))
        font.setFamily(family);
    return font;
}

QFont FontFromLogFont(std::span<const uint8_t> logfont)
{
    if (logfont.size() != kLogFontSize)
        return DefaultGuiFont();
    return FontFromSpec(paint::FontSpecFromLogFont(logfont));
}
