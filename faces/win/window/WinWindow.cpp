#include "faces/win/window/WinWindow.h"

#include "faces/win/window/WideText.h"

HWND WinWindow::Make(const CreateArgs& args)
{
    HWND hwnd = CreateWindowExW(m_props.always_on_top ? WS_EX_TOPMOST : 0, kWindowClassName,
                                WideFromGbk(m_props.caption).c_str(), WindowStyle(m_props), CW_USEDEFAULT,
                                CW_USEDEFAULT, 100, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (hwnd == nullptr)
        return nullptr;
    // Centred at the monitor's factor: sized at 1 and scaled afterwards, it grew from the 96-DPI
    // place towards the corner.
    TakeMonitorFactor(hwnd);
    const SIZE outer = OuterSize(hwnd, args.width, args.height);
    int x = Scaled(args.left), y = Scaled(args.top);
    if (m_props.start_position == int32_t(StartPosition::Centred)) {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
        const RECT work = monitor.rcWork;
        x = work.left + (work.right - work.left - outer.cx) / 2;
        y = work.top + (work.bottom - work.top - outer.cy) / 2;
    }
    SetWindowPos(hwnd, nullptr, x, y, outer.cx, outer.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    return hwnd;
}

void WinWindow::Show(int32_t)
{
    SetWindowTextW(Hwnd(), WideFromGbk(m_props.caption).c_str());
    Refresh();
}
