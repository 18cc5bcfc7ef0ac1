#pragma once
// A unit as a Win32 window, and what the kinds' windows share: the unit a window belongs to,
// lengths at the monitor's factor, the making of child windows and the procedures that
// forward their messages to the units.
#include "faces/win/window/WinApi.h"

#include <cmath>
#include <cstdint>
#include <span>
#include <string>

#include "core/KindInterface.h"
#include "core/paint/Colours.h"
#include "core/props/WindowProps.h"
#include "faces/win/window/GdiFonts.h"
#include "faces/win/window/GdiPainting.h"
#include "faces/win/window/WicPicture.h"
#include "faces/win/window/WinKinds.h"

// A length of the template at the monitor's factor.
inline int Scaled(int32_t value) { return int(std::lround(value * DpiScale())); }

inline COLORREF Ref(uint32_t win_colour) { return RefOf(paint::ArgbFromWin(win_colour)); }

// A unit's window; its GWLP_USERDATA points back here while the unit lives.
class WinUnit : public Unit {
public:
    using Unit::Unit;
    ~WinUnit() override
    {
        if (m_hwnd != nullptr && IsWindow(m_hwnd)) {
            SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
            DestroyWindow(m_hwnd);
        }
    }
    FaceHandle Handle() const override { return reinterpret_cast<FaceHandle>(m_hwnd); }
    HWND Hwnd() const { return m_hwnd; }

    // Owner drawing, at the unit's stored size.
    virtual void Paint(HDC, const RECT&) {}
    // An edit box's colours: the brush behind its text, null for the system's.
    virtual HBRUSH Colours(HDC) { return nullptr; }
    // The fonts again at the current factor.
    virtual void Rescale() {}
    virtual bool IsEditBox() const { return false; }
    // The window kind's background colour (a Windows colour value).
    virtual uint32_t Background() const { return kButtonFaceColour; }

    void Adopt(HWND hwnd)
    {
        m_hwnd = hwnd;
        if (hwnd != nullptr)
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }

    int32_t m_width = 0, m_height = 0;  // the unit's size at the factor 1
    bool m_programmatic = false;        // the program, not the user, is changing the text
    int32_t m_border = 0;               // an edit box's border style, drawn as the core draws it

private:
    HWND m_hwnd = nullptr;
};

// The unit whose window this is, null for none.
WinUnit* UnitOf(HWND hwnd);

// Painted units and the window forward what their children send them to the units.
LRESULT CALLBACK ContainerProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR);
// An edit box's border, drawn in the control's frame as the core describes it.
LRESULT CALLBACK EditFrameProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR);

// A unit's child window at its place at the current factor, with its state's styles.
HWND MakeChild(const CreateArgs& args, const wchar_t* window_class, const std::wstring& text, DWORD style,
               DWORD ex_style = 0);
// The window kind's top-level styles.
DWORD WindowStyle(const WindowProps& props);
// The outer size of a window whose client area is the template's, less the classic frame.
SIZE OuterSize(HWND hwnd, int32_t width, int32_t height);
// Gives a control the font of a unit's stored LOGFONT record at the current factor.
void SetUnitFont(HWND hwnd, std::span<const uint8_t> logfont);
