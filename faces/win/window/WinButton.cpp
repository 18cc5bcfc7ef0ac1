#include "faces/win/window/WinButton.h"

#include "faces/win/window/WideText.h"

namespace {

DWORD ButtonStyle(const ButtonProps& props)
{
    DWORD style = (props.default_button ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_NOTIFY | BS_MULTILINE;
    if (props.horizontal_alignment == int32_t(HorizontalAlignment::Left))
        style |= BS_LEFT;
    else if (props.horizontal_alignment == int32_t(HorizontalAlignment::Right))
        style |= BS_RIGHT;
    if (props.vertical_alignment == int32_t(VerticalAlignment::Top))
        style |= BS_TOP;
    else if (props.vertical_alignment == int32_t(VerticalAlignment::Bottom))
        style |= BS_BOTTOM;
    return style;
}

}  // namespace

HWND WinButton::Make(const CreateArgs& args)
{
    return MakeChild(args, L"BUTTON", WideFromGbk(m_props.caption), ButtonStyle(m_props));
}

void WinButton::Show(int32_t)
{
    SetWindowTextW(Hwnd(), WideFromGbk(m_props.caption).c_str());
    Refresh();
}
