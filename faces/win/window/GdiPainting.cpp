#include "faces/win/window/GdiPainting.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string_view>
#include <tuple>
#include <vector>

#include "faces/win/window/GdiFonts.h"
#include "faces/win/window/WideText.h"

namespace {

using namespace paint;

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

}  // namespace

COLORREF RefOf(Argb argb) { return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF); }

void ReplayDisplayList(HDC dc, const DisplayList& list, HBITMAP picture, double scale)
{
    const Replayer replayer(dc, picture, scale);
    for (const PaintOp& op : list)
        std::visit(replayer, op);
}
