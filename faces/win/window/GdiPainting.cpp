#include "faces/win/window/GdiPainting.h"

#include <wincodec.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string_view>
#include <tuple>
#include <vector>

#include "core/paint/TextLayout.h"
#include "core/props/LogFont.h"
#include "faces/win/window/WideText.h"

namespace {

using namespace paint;

std::vector<double> StandInEnds(HDC dc, const TextFont& font, double scale, const std::wstring& text);

int AtScale(int32_t value, double scale) { return int(std::lround(value * scale)); }

// The cells {x, y, w, h} as GDI's half-open rectangle, scaled.
RECT CellRect(const Rect& r, double scale)
{
    return {AtScale(r.x, scale), AtScale(r.y, scale), AtScale(r.x + r.w, scale), AtScale(r.y + r.h, scale)};
}

HRGN FigureRegion(Outline outline, const Rect& r, double rx, double ry, double scale)
{
    const RECT c = CellRect(r, scale);
    switch (outline) {
    case Outline::Ellipse: return CreateEllipticRgn(c.left, c.top, c.right + 1, c.bottom + 1);
    case Outline::Rounded:
        return CreateRoundRectRgn(c.left, c.top, c.right + 1, c.bottom + 1, int(2 * rx * scale),
                                  int(2 * ry * scale));
    default: return CreateRectRgn(c.left, c.top, c.right, c.bottom);
    }
}

HPEN MakePen(Argb colour, Dash dash, double scale)
{
    static const std::map<Dash, std::vector<DWORD>> patterns{
        {Dash::Dash, {18, 6}},
        {Dash::Dot, {3, 3}},
        {Dash::DashDot, {9, 6, 3, 6}},
        {Dash::DashDotDot, {9, 3, 3, 3, 3, 3}},
    };
    const int width = std::max(1, AtScale(1, scale));
    const auto found = patterns.find(dash);
    if (found == patterns.end())
        return CreatePen(PS_SOLID | PS_INSIDEFRAME, width, RefOf(colour));
    LOGBRUSH brush{BS_SOLID, RefOf(colour), 0};
    std::vector<DWORD> pattern = found->second;
    for (DWORD& length : pattern)
        length = DWORD(AtScale(int32_t(length), scale));
    return ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE | PS_ENDCAP_FLAT, width, &brush, DWORD(pattern.size()),
                        pattern.data());
}

class Replayer {
public:
    Replayer(HDC dc, HBITMAP picture, double scale) : m_dc(dc), m_picture(picture), m_scale(scale) {}

    void operator()(const FillOp& o) const
    {
        const RECT r = CellRect(o.rect, m_scale);
        HBRUSH brush = CreateSolidBrush(RefOf(o.colour));
        FillRect(m_dc, &r, brush);
        DeleteObject(brush);
    }
    void operator()(const FigureOp& o) const
    {
        FillRegion(FigureRegion(o.outline, o.rect, o.rx, o.ry, m_scale), o.colour);
    }
    void operator()(const RingOp& o) const
    {
        HRGN ring = FigureRegion(o.outline, o.outer, o.rx, o.ry, m_scale);
        if (!o.inner.Empty()) {
            HRGN inner = FigureRegion(o.outline, o.inner, o.inner_rx, o.inner_ry, m_scale);
            CombineRgn(ring, ring, inner, RGN_DIFF);
            DeleteObject(inner);
        }
        FillRegion(ring, o.colour);
    }
    void operator()(const StrokeOp& o) const
    {
        HPEN pen = MakePen(o.pen, o.dash, m_scale);
        HBRUSH brush = o.filled ? CreateSolidBrush(RefOf(o.fill)) : HBRUSH(GetStockObject(NULL_BRUSH));
        HGDIOBJ old_pen = SelectObject(m_dc, pen);
        HGDIOBJ old_brush = SelectObject(m_dc, brush);
        const RECT r = CellRect(o.rect, m_scale);
        switch (o.outline) {
        case Outline::Ellipse: Ellipse(m_dc, r.left, r.top, r.right, r.bottom); break;
        case Outline::Rounded:
            RoundRect(m_dc, r.left, r.top, r.right, r.bottom, int(2 * o.rx * m_scale), int(2 * o.ry * m_scale));
            break;
        default: Rectangle(m_dc, r.left, r.top, r.right, r.bottom); break;
        }
        SelectObject(m_dc, old_pen);
        SelectObject(m_dc, old_brush);
        DeleteObject(pen);
        if (o.filled)
            DeleteObject(brush);
    }
    void operator()(const LineOp& o) const
    {
        if (o.dash == Dash::Solid) {
            (*this)(FillOp{o.rect, o.colour});
            return;
        }
        HPEN pen = MakePen(o.colour, o.dash, m_scale);
        HGDIOBJ old = SelectObject(m_dc, pen);
        const RECT r = CellRect(o.rect, m_scale);
        const int half = std::max(1, AtScale(1, m_scale)) / 2;
        if (o.rect.h == 1) {
            MoveToEx(m_dc, r.left, r.top + half, nullptr);
            LineTo(m_dc, r.right, r.top + half);
        } else {
            MoveToEx(m_dc, r.left + half, r.top, nullptr);
            LineTo(m_dc, r.left + half, r.bottom);
        }
        SelectObject(m_dc, old);
        DeleteObject(pen);
    }
    // Along a side, one gradient rectangle per pixel of the ramp; along a diagonal, the pixels.
    void operator()(const RampOp& o) const
    {
        if (o.rect.Empty() || o.ramp.empty())
            return;
        if (o.direction == 0 || o.direction == 1) {
            const bool across = o.direction == 0;
            const int32_t steps = std::min<int32_t>(across ? o.rect.w : o.rect.h, int32_t(o.ramp.size()));
            std::vector<TRIVERTEX> vertices;
            std::vector<GRADIENT_RECT> rects;
            for (int32_t i = 0; i < steps; ++i) {
                const Argb from = o.ramp[size_t(i)];
                const Argb to = o.ramp[size_t(std::min(i + 1, steps - 1))];
                const Rect cell = across ? Rect{o.rect.x + i, o.rect.y, 1, o.rect.h}
                                         : Rect{o.rect.x, o.rect.y + i, o.rect.w, 1};
                const RECT r = CellRect(cell, m_scale);
                vertices.push_back(Vertex(r.left, r.top, from));
                vertices.push_back(Vertex(r.right, r.bottom, m_scale > 1.0 ? to : from));
                rects.push_back({ULONG(vertices.size() - 2), ULONG(vertices.size() - 1)});
            }
            GradientFill(m_dc, vertices.data(), ULONG(vertices.size()), rects.data(), ULONG(rects.size()),
                         across ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
            return;
        }
        const int w = o.rect.w, h = o.rect.h;
        std::vector<uint32_t> pixels(size_t(w) * size_t(h));
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const size_t at = size_t(o.direction == 2 ? x + y : x + h - 1 - y);
                pixels[size_t(y) * size_t(w) + size_t(x)] = at < o.ramp.size() ? o.ramp[at] : 0xFF000000u;
            }
        }
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        const RECT r = CellRect(o.rect, m_scale);
        StretchDIBits(m_dc, r.left, r.top, r.right - r.left, r.bottom - r.top, 0, 0, w, h, pixels.data(),
                      &info, DIB_RGB_COLORS, SRCCOPY);
    }
    // Unsmoothed: each target pixel takes the source pixel under its centre.
    void operator()(const PictureOp& o) const
    {
        DIBSECTION dib{};
        if (m_picture == nullptr || GetObjectW(m_picture, sizeof dib, &dib) != sizeof dib ||
            dib.dsBm.bmBits == nullptr)
            return;
        const RECT t = CellRect(o.target, m_scale);
        const int w = t.right - t.left, h = t.bottom - t.top;
        const int sw = dib.dsBm.bmWidth, sh = dib.dsBm.bmHeight;
        if (w <= 0 || h <= 0 || w > 16384 || h > 16384)
            return;
        const auto* source = static_cast<const uint32_t*>(dib.dsBm.bmBits);
        std::vector<uint32_t> pixels(size_t(w) * size_t(h));
        for (int y = 0; y < h; ++y) {
            const int sy = std::min(sh - 1, int((y + 0.5) * sh / h));
            for (int x = 0; x < w; ++x)
                pixels[size_t(y) * size_t(w) + size_t(x)] =
                    source[size_t(sy) * size_t(sw) + size_t(std::min(sw - 1, int((x + 0.5) * sw / w)))];
        }
        const int saved = SaveDC(m_dc);
        const RECT clip = CellRect(o.clip, m_scale);
        IntersectClipRect(m_dc, clip.left, clip.top, clip.right, clip.bottom);
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        SetDIBitsToDevice(m_dc, t.left, t.top, DWORD(w), DWORD(h), 0, 0, 0, UINT(h), pixels.data(), &info,
                          DIB_RGB_COLORS);
        RestoreDC(m_dc, saved);
    }
    void operator()(const TextOp& o) const
    {
        const std::wstring text = WideFromUtf8(o.text);
        const std::vector<double> ends = StandInEnds(m_dc, o.font, m_scale, text);
        std::vector<INT> advances(ends.size());
        for (size_t i = 0; i < ends.size(); ++i)
            advances[i] = int(std::lround(ends[i]) - (i > 0 ? std::lround(ends[i - 1]) : 0));
        HGDIOBJ old = SelectObject(m_dc, FontOf(o.font, m_scale));
        SetBkMode(m_dc, TRANSPARENT);
        SetTextColor(m_dc, RefOf(o.colour));
        SetTextAlign(m_dc, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
        ExtTextOutW(m_dc, AtScale(o.x, m_scale), AtScale(o.baseline, m_scale), 0, nullptr, text.c_str(),
                    UINT(text.size()), advances.empty() ? nullptr : advances.data());
        SelectObject(m_dc, old);
    }
    void operator()(const ClipOp& o) const
    {
        SaveDC(m_dc);
        const RECT r = CellRect(o.rect, m_scale);
        IntersectClipRect(m_dc, r.left, r.top, r.right, r.bottom);
    }
    void operator()(const UnclipOp&) const { RestoreDC(m_dc, -1); }

private:
    static TRIVERTEX Vertex(LONG x, LONG y, Argb colour)
    {
        return {x,
                y,
                COLOR16(((colour >> 16) & 0xFF) << 8),
                COLOR16(((colour >> 8) & 0xFF) << 8),
                COLOR16((colour & 0xFF) << 8),
                0xFF00};
    }
    void FillRegion(HRGN region, Argb colour) const
    {
        HBRUSH brush = CreateSolidBrush(RefOf(colour));
        FillRgn(m_dc, region, brush);
        DeleteObject(brush);
        DeleteObject(region);
    }

    HDC m_dc;
    HBITMAP m_picture;
    double m_scale;
};

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

// Where each character of `text` ends, in pixels from the start, when the stand-in family
// draws it: by its outlines' advances in fractions of a pixel, as the desktop and the page place them,
// read from the outline face made up to 64 times larger (a few thousand pixels at most), the
// strikes fitted in where they draw. Empty for a typeface of the system's own.
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

}  // namespace

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

COLORREF RefOf(Argb argb) { return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF); }

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

HBITMAP DecodePicture(std::span<const uint8_t> bytes)
{
    if (bytes.empty() || bytes.size() > 0x7FFFFFFF)
        return nullptr;
    IWICImagingFactory* factory = nullptr;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, reinterpret_cast<void**>(&factory))))
        return nullptr;
    HBITMAP result = nullptr;
    IWICStream* stream = nullptr;
    IWICBitmapDecoder* decoder = nullptr;
    IWICBitmapFrameDecode* frame = nullptr;
    IWICFormatConverter* converter = nullptr;
    UINT w = 0, h = 0;
    if (SUCCEEDED(factory->CreateStream(&stream)) &&
        SUCCEEDED(stream->InitializeFromMemory(const_cast<BYTE*>(bytes.data()), DWORD(bytes.size()))) &&
        SUCCEEDED(factory->CreateDecoderFromStream(stream, nullptr, WICDecodeMetadataCacheOnDemand, &decoder)) &&
        SUCCEEDED(decoder->GetFrame(0, &frame)) && SUCCEEDED(factory->CreateFormatConverter(&converter)) &&
        SUCCEEDED(converter->Initialize(frame, GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr,
                                        0.0, WICBitmapPaletteTypeCustom)) &&
        SUCCEEDED(converter->GetSize(&w, &h)) && w > 0 && h > 0 && w <= 16384 && h <= 16384) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), LONG(w), -LONG(h), 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        result = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (result != nullptr &&
            FAILED(converter->CopyPixels(nullptr, w * 4, w * h * 4, static_cast<BYTE*>(bits)))) {
            DeleteObject(result);
            result = nullptr;
        }
    }
    for (IUnknown* object : std::initializer_list<IUnknown*>{converter, frame, decoder, stream, factory}) {
        if (object != nullptr)
            object->Release();
    }
    return result;
}

void ReplayDisplayList(HDC dc, const DisplayList& list, HBITMAP picture, double scale)
{
    const Replayer replayer(dc, picture, scale);
    for (const PaintOp& op : list)
        std::visit(replayer, op);
}
