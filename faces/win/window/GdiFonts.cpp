#include "faces/win/window/GdiFonts.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string_view>
#include <vector>

#include "core/props/LogFont.h"
#include "faces/win/window/GdiPainting.h"
#include "faces/win/window/WideText.h"

namespace {

using namespace paint;

bool Installed(const std::wstring& typeface)
{
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(wanted.lfFaceName, typeface.c_str(), LF_FACESIZE);
    bool found = false;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExW(
        dc, &wanted,
        [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) -> int {
            *reinterpret_cast<bool*>(found) = true;
            return 0;
        },
        LPARAM(&found), 0);
    ReleaseDC(nullptr, dc);
    return found;
}

// The typefaces a unit's text is drawn and placed with: its own when the system has it (宋体 is
// SimSun), both the same. Without it the pinned family the desktop and the page draw with
// stands in: its outlines place the characters, as they do there, and its bitmap strikes (the
// family's Sharp typeface) draw them, since GDI's monochrome outlines at 12 pixels lose strokes. Else
// SimSun, for the system to substitute.
struct Typefaces {
    std::wstring glyphs, places;
};

const Typefaces& InstalledTypefaces(const std::string& utf8)
{
    static std::map<std::string, Typefaces> chosen;
    const auto known = chosen.find(utf8);
    if (known != chosen.end())
        return known->second;
    std::wstring typeface = utf8.empty() || utf8 == "宋体" ? L"SimSun" : WideFromUtf8(utf8);
    Typefaces typefaces{typeface, typeface};
    if (!Installed(typeface)) {
        const std::wstring pinned = WideFromUtf8(kGuiFontFamily);
        if (Installed(pinned + L" Sharp"))
            typefaces = {pinned + L" Sharp", Installed(pinned) ? pinned : pinned + L" Sharp"};
        else
            typefaces = {L"SimSun", L"SimSun"};
    }
    return chosen[utf8] = typefaces;
}

uint32_t BigEndian32(const uint8_t* at) { return uint32_t(at[0]) << 24 | at[1] << 16 | at[2] << 8 | at[3]; }

// Whether a typeface carries drawn glyphs (a strike, in its EBLC table) for this pixel size.
bool HasStrike(const std::wstring& typeface, int pixels)
{
    static std::map<std::wstring, std::vector<int>> known;
    auto found = known.find(typeface);
    if (found == known.end()) {
        std::vector<int> sizes;
        LOGFONTW record{};
        record.lfHeight = -16;
        record.lfCharSet = GB2312_CHARSET;
        lstrcpynW(record.lfFaceName, typeface.c_str(), LF_FACESIZE);
        HFONT font = CreateFontIndirectW(&record);
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, font);
        constexpr DWORD kEblc = 'E' | 'B' << 8 | 'L' << 16 | 'C' << 24;  // as GDI spells a tag
        // A header of 8 bytes, then 48 bytes per strike with its vertical size at 45; the index
        // after them (half a megabyte in the stand-in) is not read.
        uint8_t header[8];
        if (GetFontData(dc, kEblc, 0, header, sizeof header) == sizeof header) {
            const DWORD count = std::min<DWORD>(BigEndian32(&header[4]), 256);
            std::vector<uint8_t> table(48 * size_t(count));
            if (count > 0 && GetFontData(dc, kEblc, 8, table.data(), DWORD(table.size())) == table.size()) {
                for (DWORD i = 0; i < count; ++i)
                    sizes.push_back(table[48 * size_t(i) + 45]);
            }
        }
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(font);
        found = known.emplace(typeface, std::move(sizes)).first;
    }
    return std::find(found->second.begin(), found->second.end(), pixels) != found->second.end();
}

// `places` makes the outline face's font. A size the glyph face has a strike for is drawn
// unsmoothed from it; any other is smoothed, since GDI's unsmoothed outlines drop strokes (the
// last of 算 at 24 pixels).
HFONT MakeFont(const TextFont& text_font, double scale, bool places)
{
    using Key = std::tuple<int32_t, int32_t, bool, bool, bool, std::string, int, bool>;
    static std::map<Key, HFONT> fonts;
    const Typefaces& typefaces = InstalledTypefaces(text_font.face);
    if (places && typefaces.places == typefaces.glyphs)
        places = false;
    const Key key{text_font.pixels,     text_font.weight, text_font.italic, text_font.underline,
                  text_font.strike_out, text_font.face,   int(scale * 100), places};
    HFONT& font = fonts[key];
    if (font == nullptr) {
        LOGFONTW record{};
        const int pixels = std::max(1, AtScale(text_font.pixels, scale));
        record.lfHeight = -pixels;
        record.lfWeight = text_font.weight;
        record.lfItalic = text_font.italic;
        record.lfUnderline = text_font.underline;
        record.lfStrikeOut = text_font.strike_out;
        record.lfCharSet = GB2312_CHARSET;
        record.lfQuality = HasStrike(typefaces.glyphs, pixels) ? NONANTIALIASED_QUALITY : ANTIALIASED_QUALITY;
        lstrcpynW(record.lfFaceName, (places ? typefaces.places : typefaces.glyphs).c_str(), LF_FACESIZE);
        font = CreateFontIndirectW(&record);
    }
    return font;
}

// A strike's glyph: its cell, which only the bitmap's metrics give, and the width of its ink.
struct StrikeGlyph {
    int advance = 0, ink = 0;
};

// Each UTF-16 unit's glyph in FontOf(font, scale) at a size its strikes draw; a character beyond
// U+FFFF is its second unit's, measured as a whole.
std::vector<StrikeGlyph> StrikeGlyphs(HDC dc, std::wstring_view text, const TextFont& font, double scale)
{
    static std::map<std::pair<HFONT, wchar_t>, StrikeGlyph> known;
    std::vector<StrikeGlyph> glyphs(text.size());
    const HFONT handle = FontOf(font, scale);
    HGDIOBJ old = SelectObject(dc, handle);
    const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    SIZE size{};
    for (size_t i = 0; i < text.size(); ++i) {
        if (IS_HIGH_SURROGATE(text[i]) && i + 1 < text.size()) {
            GetTextExtentPoint32W(dc, &text[i], 2, &size);
            glyphs[++i] = {int(size.cx), int(size.cx)};
            continue;
        }
        const auto [glyph, fresh] = known.try_emplace({handle, text[i]});
        if (fresh) {
            GLYPHMETRICS metrics{};
            if (GetGlyphOutlineW(dc, text[i], GGO_BITMAP, &metrics, 0, nullptr, &identity) != GDI_ERROR)
                glyph->second = {metrics.gmCellIncX, int(metrics.gmBlackBoxX)};
            else if (GetTextExtentPoint32W(dc, &text[i], 1, &size))
                glyph->second = {int(size.cx), int(size.cx)};
        }
        glyphs[i] = glyph->second;
    }
    SelectObject(dc, old);
    return glyphs;
}

// At a size the stand-in's strikes draw, a run of the narrower characters (Latin, digits,
// spaces) keeps the room the outlines give it but takes the strikes' own advances: at the
// outlines' places their glyphs, narrower in letters and digits, stood apart ("sin(1 0 )").
// What the strikes want beyond the room comes out of the blank in their cells (brackets,
// commas and spaces have most), leaving a pixel after each glyph's ink; what they leave of it
// is shared out.
void FitStrikes(HDC dc, const std::wstring& text, const TextFont& font, double scale, std::vector<double>& ends)
{
    const double full = 0.9 * std::max(1, AtScale(font.pixels, scale));
    const std::vector<StrikeGlyph> glyphs = StrikeGlyphs(dc, text, font, scale);
    const auto start = [&](size_t i) { return i > 0 ? ends[i - 1] : 0.0; };
    const auto narrow = [&](size_t i) { return ends[i] - start(i) < full; };
    for (size_t from = 0; from < ends.size();) {
        if (!narrow(from)) {
            ++from;
            continue;
        }
        size_t to = from + 1;
        while (to < ends.size() && narrow(to))
            ++to;
        double own = 0, slack = 0;
        for (size_t i = from; i < to; ++i) {
            own += glyphs[i].advance;
            slack += std::max(0, glyphs[i].advance - glyphs[i].ink - 1);
        }
        const double origin = start(from), room = ends[to - 1] - origin;
        const double over = std::max(0.0, own - room), from_slack = std::min(over, slack);
        const double shared = room - (own - from_slack);  // to share in proportion to the advances
        double at = origin;
        for (size_t i = from; i < to && own > 0; ++i) {
            const int advance = glyphs[i].advance;
            const double blank = std::max(0, advance - glyphs[i].ink - 1);
            at += advance - (slack > 0 ? from_slack * blank / slack : 0.0) + shared * advance / own;
            ends[i] = at;
        }
        from = to;
    }
}


class GdiTextMeasure final : public TextMeasure {
public:
    int32_t Advance(const std::string& utf8, const TextFont& font) const override
    {
        static HDC dc = CreateCompatibleDC(nullptr);
        const std::wstring text = WideFromUtf8(utf8);
        const std::vector<double> ends = StandInEnds(dc, font, 1.0, text);
        if (!ends.empty())
            return int32_t(std::lround(ends.back()));
        HGDIOBJ old = SelectObject(dc, FontOf(font, 1.0));
        SIZE size{};
        GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
        SelectObject(dc, old);
        return size.cx;
    }
};

}  // namespace

std::vector<double> StandInEnds(HDC dc, const TextFont& font, double scale, const std::wstring& text)
{
    const Typefaces& typefaces = InstalledTypefaces(font.face);
    if (typefaces.places == typefaces.glyphs || text.empty() || text.size() > 0x7FFFFFFF)
        return {};
    TextFont larger = font;
    const int larger_by = std::clamp(4096 / std::max(font.pixels, 1), 1, 64);
    larger.pixels = std::max(font.pixels, 1) * larger_by;
    HGDIOBJ old = SelectObject(dc, MakeFont(larger, scale, true));
    std::vector<INT> ends(text.size(), 0);
    SIZE size{};
    GetTextExtentExPointW(dc, text.c_str(), int(text.size()), 0, nullptr, ends.data(), &size);
    SelectObject(dc, old);
    std::vector<double> result(ends.size());
    for (size_t i = 0; i < ends.size(); ++i)
        result[i] = double(ends[i]) / larger_by;
    if (HasStrike(typefaces.glyphs, std::max(1, AtScale(font.pixels, scale))))
        FitStrikes(dc, text, font, scale, result);
    return result;
}

std::vector<int> DrawnEnds(HDC dc, std::wstring_view text, const TextFont& font, double scale)
{
    std::vector<int> ends(text.size(), 0);
    if (text.empty() || text.size() > 0x7FFFFFFF)
        return ends;
    if (HasStrike(InstalledTypefaces(font.face).glyphs, std::max(1, AtScale(font.pixels, scale)))) {
        int at = 0;
        const std::vector<StrikeGlyph> glyphs = StrikeGlyphs(dc, text, font, scale);
        for (size_t i = 0; i < glyphs.size(); ++i)
            ends[i] = at += glyphs[i].advance;
        return ends;
    }
    HGDIOBJ old = SelectObject(dc, FontOf(font, scale));
    SIZE size{};
    GetTextExtentExPointW(dc, text.data(), int(text.size()), 0, nullptr, ends.data(), &size);
    SelectObject(dc, old);
    return ends;
}

HFONT FontOf(const TextFont& text_font, double scale) { return MakeFont(text_font, scale, false); }

HFONT FontOfRecord(std::span<const uint8_t> logfont, double scale)
{
    return FontOf(TextFontFromLogFont(logfont), scale);
}

const TextMeasure& GdiMeasure()
{
    static const GdiTextMeasure measure;
    return measure;
}
