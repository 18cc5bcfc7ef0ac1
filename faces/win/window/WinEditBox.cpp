#include "faces/win/window/WinEditBox.h"

#include <algorithm>
#include <string_view>

#include "faces/win/window/LongEdit.h"
#include "faces/win/window/WideText.h"

namespace {

DWORD LayoutStyle(const EditBoxProps& props)
{
    DWORD style = ES_AUTOHSCROLL;
    if (props.multi_line) {
        style = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
        if (props.scroll_bars & 1)
            style |= WS_HSCROLL | ES_AUTOHSCROLL;
        if (props.scroll_bars & 2)
            style |= WS_VSCROLL;
    }
    if (props.alignment == int32_t(HorizontalAlignment::Centre))
        style |= ES_CENTER;
    else if (props.alignment == int32_t(HorizontalAlignment::Right))
        style |= ES_RIGHT;
    return style;
}

DWORD EditStyle(const EditBoxProps& props)
{
    DWORD style = LayoutStyle(props);
    if (props.input_mode == int32_t(InputMode::ReadOnly))
        style |= ES_READONLY;
    else if (props.input_mode == int32_t(InputMode::Password))
        style |= ES_PASSWORD;
    if (props.case_conversion == int32_t(CaseConversion::Lower))
        style |= ES_LOWERCASE;
    else if (props.case_conversion == int32_t(CaseConversion::Upper))
        style |= ES_UPPERCASE;
    if (props.hide_selection == 0)
        style |= ES_NOHIDESEL;
    return style;
}

// A multi-line box takes Enter itself; the frame has the other keys.
int EditWantsKey(Unit* unit, int key)
{
    const HWND hwnd = static_cast<WinUnit*>(unit)->Hwnd();
    return key == kKeyEnter && (GetWindowLongPtrW(hwnd, GWL_STYLE) & ES_MULTILINE) != 0 ? 1 : 0;
}

// A maximum of 0 is the system's largest, which the control takes only when told: its own
// default of 30,000 characters cut a long paste and gave a wrong answer.
void SetLimit(HWND hwnd, int32_t max_length)
{
    SendMessageW(hwnd, EM_SETLIMITTEXT, WPARAM(std::max(0, max_length)), 0);
}

// The border is drawn in the frame: the frame is measured again.
void FrameChanged(HWND hwnd)
{
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

}  // namespace

AnyEntry WinEditBox::Interface(int32_t number)
{
    if (number == kEntryWantsKey)
        return reinterpret_cast<AnyEntry>(&EditWantsKey);
    return KindEntries<WinEditBox>::Entry(number);
}

WinEditBox::~WinEditBox()
{
    if (m_brush != nullptr)
        DeleteObject(m_brush);
}

int WinEditBox::GetOwn(int32_t own, PropertyValue* value)
{
    if (own == EditBoxOwn::Content)
        TakeContent();
    if (own == EditBoxOwn::Selection) {
        m_selection = GbkFromWide(SelectedEditText(Hwnd()));
        *value = {0, 0, m_selection.data(), uint32_t(m_selection.size())};
        return 1;
    }
    return WinPropsUnit::GetOwn(own, value);
}

int WinEditBox::SetOwn(int32_t own, const PropertyValue& value)
{
    if (own == EditBoxOwn::Selection) {
        const std::wstring text = WideFromGbk(
            std::string_view(static_cast<const char*>(value.data), value.data ? value.size : 0));
        m_programmatic = true;
        SendMessageW(Hwnd(), EM_REPLACESEL, TRUE, LPARAM(text.c_str()));
        m_programmatic = false;
        return 0;
    }
    if (own == EditBoxOwn::Content)
        TakeContent();
    return WinPropsUnit::SetOwn(own, value);
}

std::vector<uint8_t> WinEditBox::Save()
{
    TakeContent();
    return WinPropsUnit::Save();
}

HBRUSH WinEditBox::Colours(HDC dc)
{
    SetTextColor(dc, Ref(m_props.text_colour));
    SetBkColor(dc, Ref(m_props.background));
    if (m_brush == nullptr)
        m_brush = CreateSolidBrush(Ref(m_props.background));
    return m_brush;
}

HWND WinEditBox::Make(const CreateArgs& args)
{
    // A single line takes its text once it can hold a long one (LongEdit.h).
    const bool single_line = !m_props.multi_line;
    m_programmatic = true;
    HWND hwnd = MakeChild(args, L"EDIT", single_line ? std::wstring() : WideFromGbk(m_props.content),
                          EditStyle(m_props));
    m_programmatic = false;
    m_border = m_props.border;
    if (hwnd == nullptr)
        return nullptr;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(static_cast<WinUnit*>(this)));
    SetWindowSubclass(hwnd, &EditFrameProc, 1, 0);
    FrameChanged(hwnd);
    if (single_line) {
        SetWindowSubclass(hwnd, &LongEditProc, 2, 0);
        SetTextQuietly(hwnd, WideFromGbk(m_props.content));
    }
    SetLimit(hwnd, m_props.max_length);
    return hwnd;
}

void WinEditBox::Show(int32_t own)
{
    switch (own) {
    case EditBoxOwn::Content: SetTextQuietly(Hwnd(), WideFromGbk(m_props.content)); return;
    case EditBoxOwn::InputMode:
        SendMessageW(Hwnd(), EM_SETREADONLY, m_props.input_mode == int32_t(InputMode::ReadOnly), 0);
        return;
    case EditBoxOwn::MaxLength: SetLimit(Hwnd(), m_props.max_length); return;
    case EditBoxOwn::Border:
        m_border = m_props.border;
        FrameChanged(Hwnd());
        return;
    case EditBoxOwn::Background:
        if (m_brush != nullptr)
            DeleteObject(m_brush);
        m_brush = nullptr;
        break;
    default: break;
    }
    Refresh();
}

void WinEditBox::SetTextQuietly(HWND hwnd, const std::wstring& text)
{
    m_programmatic = true;
    SetWindowTextW(hwnd, text.c_str());
    m_programmatic = false;
}

void WinEditBox::TakeContent() { m_props.content = GbkFromWide(WindowText(Hwnd())); }
