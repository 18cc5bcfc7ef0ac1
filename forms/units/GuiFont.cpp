#include "forms/units/GuiFont.h"

#include <QFontDatabase>
#include <QFontInfo>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "forms/props/LogFont.h"
#include "forms/props/PropertySet.h"
#include "forms/units/GbkText.h"

namespace {

// Rendering settings pinned with the family: whole pixels without antialiasing, and no
// hinting, which at 12 pixels breaks strokes of CJK glyphs apart.
void PinRendering(QFont& font)
{
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    font.setHintingPreference(QFont::PreferNoHinting);
}

constexpr int kMaxFontPixels = 1000;

}  // namespace

QFont DefaultGuiFont()
{
    QFont font(QString::fromLatin1(kGuiFontFamily));
    font.setPixelSize(kGuiFontPixels);
    PinRendering(font);
    return font;
}

QFont FontFromLogFont(std::span<const uint8_t> logfont)
{
    QFont font = DefaultGuiFont();
    if (logfont.size() != kLogFontSize)
        return font;
    const uint8_t* p = logfont.data();

    const int64_t height = logfont::ReadWord(p, logfont::kHeight);
    const int64_t pixels = height == 0 ? kGuiFontPixels : std::min<int64_t>(std::abs(height), kMaxFontPixels);
    font.setPixelSize(static_cast<int>(pixels));

    const int32_t weight = logfont::ReadWord(p, logfont::kWeight);
    font.setWeight(weight <= 0 ? QFont::Normal : QFont::Weight(std::min(weight, 1000)));
    font.setItalic(p[logfont::kItalic] != 0);
    font.setUnderline(p[logfont::kUnderline] != 0);
    font.setStrikeOut(p[logfont::kStrikeOut] != 0);

    const char* face = reinterpret_cast<const char*>(p + logfont::kFaceName);
    const std::string gbk(face, strnlen(face, logfont::kFaceNameSize));
    const QString family = FromGbk(gbk);
    if (!family.isEmpty() && QFontDatabase::hasFamily(family))
        font.setFamily(family);
    return font;
}

TextLineMetrics LineMetrics(const QFont& font)
{
    int pixels = font.pixelSize();
    if (pixels <= 0)
        pixels = QFontInfo(font).pixelSize();
    pixels = std::max(pixels, 1);
    return {pixels + 1, pixels - 1};
}
