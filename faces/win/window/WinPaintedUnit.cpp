#include "faces/win/window/WinPaintedUnit.h"

#include <algorithm>

#include "faces/win/window/GdiPainting.h"
#include "faces/win/window/WicPicture.h"

HBITMAP KeptPicture::Of(std::span<const uint8_t> bytes)
{
    if (m_bitmap == nullptr && !bytes.empty() && !m_failed) {
        m_bitmap = DecodePicture(bytes);
        m_failed = m_bitmap == nullptr;
    }
    return m_bitmap;
}

void KeptPicture::Forget()
{
    if (m_bitmap != nullptr)
        DeleteObject(m_bitmap);
    m_bitmap = nullptr;
    m_failed = false;
}

void PaintBuffered(HDC dc, const RECT& rect, const paint::DisplayList& list, HBITMAP picture)
{
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, std::max(w, 1), std::max(h, 1));
    HGDIOBJ old = SelectObject(memory, bitmap);
    ReplayDisplayList(memory, list, picture, DpiScale());
    BitBlt(dc, rect.left, rect.top, w, h, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

HWND MakePaintedChild(const CreateArgs& args, const std::wstring& text)
{
    HWND hwnd = MakeChild(args, L"STATIC", text, SS_OWNERDRAW | SS_NOTIFY | WS_CLIPCHILDREN);
    if (hwnd != nullptr)
        SetWindowSubclass(hwnd, &ContainerProc, 1, 0);
    return hwnd;
}
