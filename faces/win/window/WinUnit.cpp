#include "faces/win/window/WinUnit.h"

#include "core/paint/Borders.h"

WinUnit* UnitOf(HWND hwnd)
{
    return hwnd != nullptr ? reinterpret_cast<WinUnit*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)) : nullptr;
}

LRESULT CALLBACK ContainerProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR)
{
    LRESULT result = 0;
    if (message != WM_ERASEBKGND && HandleUnitMessage(hwnd, message, wparam, lparam, result))
        return result;
    return DefSubclassProc(hwnd, message, wparam, lparam);
}

// An edit box's border is the classic edge the core describes, in the control's frame, so the
// box looks the same as on the other faces whatever the system's theme draws.
LRESULT CALLBACK EditFrameProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR)
{
    const WinUnit* unit = UnitOf(hwnd);
    const int width = unit != nullptr ? Scaled(paint::BorderWidth(unit->m_border)) : 0;
    if (message == WM_NCCALCSIZE && width > 0) {
        RECT* client = wparam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lparam)->rgrc[0]
                              : reinterpret_cast<RECT*>(lparam);
        InflateRect(client, -width, -width);
        return DefSubclassProc(hwnd, message, wparam, lparam);
    }
    if (message == WM_NCPAINT && width > 0) {
        const LRESULT result = DefSubclassProc(hwnd, message, wparam, lparam);
        paint::DisplayList list;
        paint::AddBorder(list, {0, 0, unit->m_width, unit->m_height}, unit->m_border);
        HDC dc = GetWindowDC(hwnd);
        ReplayDisplayList(dc, list, nullptr, DpiScale());
        ReleaseDC(hwnd, dc);
        return result;
    }
    return DefSubclassProc(hwnd, message, wparam, lparam);
}

HWND MakeChild(const CreateArgs& args, const wchar_t* window_class, const std::wstring& text, DWORD style,
               DWORD ex_style)
{
    style |= WS_CHILD | WS_CLIPSIBLINGS;
    if (args.style & kStyleDisabled)
        style |= WS_DISABLED;
    if (args.style & kStyleTabStop)
        style |= WS_TABSTOP;
    return CreateWindowExW(ex_style, window_class, text.c_str(), style, Scaled(args.left), Scaled(args.top),
                           Scaled(args.width), Scaled(args.height), reinterpret_cast<HWND>(args.parent),
                           reinterpret_cast<HMENU>(intptr_t(args.control_id)), GetModuleHandleW(nullptr),
                           nullptr);
}

DWORD WindowStyle(const WindowProps& props)
{
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN;
    if (props.control_box)
        style |= WS_SYSMENU;
    if (props.minimise_box)
        style |= WS_MINIMIZEBOX;
    if (props.maximise_box)
        style |= WS_MAXIMIZEBOX;
    if (props.border_style == int32_t(WindowBorder::Resizable) ||
        props.border_style == int32_t(WindowBorder::ResizableTool))
        style |= WS_THICKFRAME;
    return style;
}

SIZE OuterSize(HWND hwnd, int32_t width, int32_t height)
{
    RECT r{0, 0, Scaled(width - kClassicFrame.left - kClassicFrame.right),
           Scaled(height - kClassicFrame.top - kClassicFrame.bottom)};
    AdjustWindowRectEx(&r, DWORD(GetWindowLongPtrW(hwnd, GWL_STYLE)), FALSE,
                       DWORD(GetWindowLongPtrW(hwnd, GWL_EXSTYLE)));
    return {r.right - r.left, r.bottom - r.top};
}

void SetUnitFont(HWND hwnd, std::span<const uint8_t> logfont)
{
    SendMessageW(hwnd, WM_SETFONT, WPARAM(FontOfRecord(logfont, DpiScale())), TRUE);
}
