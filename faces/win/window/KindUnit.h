#pragma once
// Each kind's Win32 window over its property set: the window as a top-level window of its own
// class, the edit box as EDIT, the button as BUTTON, labels, shapes and the picture as
// owner-drawn STATIC windows replaying the core's display list.
#include <algorithm>
#include <string>
#include <type_traits>
#include <vector>

#include "core/paint/KeptList.h"
#include "core/paint/LabelPainting.h"
#include "core/paint/PicturePlacement.h"
#include "core/paint/ShapePainting.h"
#include "core/props/KindProps.h"
#include "faces/win/window/LongEdit.h"
#include "faces/win/window/WideText.h"
#include "faces/win/window/WinUnit.h"

template <class Props>
class KindUnit final : public WinUnit {
public:
    KindUnit(const CreateArgs& args, Props props)
        : WinUnit(args.window_id, args.unit_id), m_props(std::move(props))
    {
        m_width = args.width;
        m_height = args.height;
        Adopt(Make(args));
        Rescale();
    }
    // A record whose data does not read keeps the kind's defaults; a control the system cannot
    // make fails the creation.
    static Unit* Create(const CreateArgs& args)
    {
        auto* unit = new KindUnit(args, ReadProps<Props>(args.property_data).value_or(Props{}));
        if (unit->Hwnd() == nullptr) {
            delete unit;
            return nullptr;
        }
        return unit;
    }
    ~KindUnit() override
    {
        if (m_picture != nullptr)
            DeleteObject(m_picture);
        if (m_brush != nullptr)
            DeleteObject(m_brush);
    }

    int GetOwn(int32_t own, PropertyValue* value)
    {
        if constexpr (std::is_same_v<Props, EditBoxProps>) {
            if (own == EditBoxOwn::Content)
                m_props.content = GbkFromWide(WindowText(Hwnd()));
            if (own == EditBoxOwn::Selection) {
                m_selection = GbkFromWide(SelectedEditText(Hwnd()));
                *value = {0, 0, m_selection.data(), uint32_t(m_selection.size())};
                return 1;
            }
        }
        return GetOwnProperty(m_props, own, value) ? 1 : 0;
    }

    // A style the control is made with asks the runtime for a rebuild; the rest are shown in place.
    int SetOwn(int32_t own, const PropertyValue& value)
    {
        if constexpr (std::is_same_v<Props, EditBoxProps>) {
            if (own == EditBoxOwn::Selection) {
                const std::wstring text = WideFromGbk(
                    std::string_view(static_cast<const char*>(value.data), value.data ? value.size : 0));
                m_programmatic = true;
                SendMessageW(Hwnd(), EM_REPLACESEL, TRUE, LPARAM(text.c_str()));
                m_programmatic = false;
                return 0;
            }
            if (own == EditBoxOwn::Content)
                m_props.content = GbkFromWide(WindowText(Hwnd()));
        }
        const SetOutcome outcome = SetOwnProperty(m_props, own, value);
        if (outcome.rebuild)
            return 1;
        if (outcome.changed)
            Show(own);
        return 0;
    }

    std::vector<uint8_t> Save()
    {
        if constexpr (std::is_same_v<Props, EditBoxProps>)
            m_props.content = GbkFromWide(WindowText(Hwnd()));
        return WriteProps(m_props);
    }

    void Paint(HDC dc, const RECT& rect) override
    {
        if constexpr (std::is_same_v<Props, LabelProps> || std::is_same_v<Props, ShapeBoxProps> ||
                      std::is_same_v<Props, PicBoxProps>) {
            const int w = rect.right - rect.left, h = rect.bottom - rect.top;
            HDC memory = CreateCompatibleDC(dc);
            HBITMAP bitmap = CreateCompatibleBitmap(dc, std::max(w, 1), std::max(h, 1));
            HGDIOBJ old = SelectObject(memory, bitmap);
            const paint::DisplayList& list = m_list.At({m_width, m_height}, [this] { return DisplayList(); });
            ReplayDisplayList(memory, list, Picture(), DpiScale());
            BitBlt(dc, rect.left, rect.top, w, h, memory, 0, 0, SRCCOPY);
            SelectObject(memory, old);
            DeleteObject(bitmap);
            DeleteDC(memory);
        }
    }

    HBRUSH Colours(HDC dc) override
    {
        if constexpr (std::is_same_v<Props, EditBoxProps>) {
            SetTextColor(dc, Ref(m_props.text_colour));
            SetBkColor(dc, Ref(m_props.background));
            if (m_brush == nullptr)
                m_brush = CreateSolidBrush(Ref(m_props.background));
            return m_brush;
        }
        return nullptr;
    }

    void Rescale() override
    {
        if constexpr (requires { m_props.font; })
            SendMessageW(Hwnd(), WM_SETFONT, WPARAM(FontOfRecord(m_props.font, DpiScale())), TRUE);
        else
            InvalidateRect(Hwnd(), nullptr, TRUE);
    }
    bool IsEditBox() const override { return std::is_same_v<Props, EditBoxProps>; }
    uint32_t Background() const override
    {
        if constexpr (std::is_same_v<Props, WindowProps>)
            return m_props.background;
        return kButtonFaceColour;
    }

private:
    HWND Make(const CreateArgs& args)
    {
        if constexpr (std::is_same_v<Props, WindowProps>) {
            HWND hwnd = CreateWindowExW(m_props.always_on_top ? WS_EX_TOPMOST : 0, kWindowClassName,
                                        WideFromGbk(m_props.caption).c_str(), WindowStyle(m_props),
                                        CW_USEDEFAULT, CW_USEDEFAULT, 100, 100, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
            if (hwnd == nullptr)
                return nullptr;
            // Centred at the monitor's factor: sized at 1 and scaled afterwards, it grew from
            // the 96-DPI place towards the corner.
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
        } else if constexpr (std::is_same_v<Props, EditBoxProps>) {
            DWORD style = ES_AUTOHSCROLL;
            if (m_props.multi_line) {
                style = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
                if (m_props.scroll_bars & 1)
                    style |= WS_HSCROLL | ES_AUTOHSCROLL;
                if (m_props.scroll_bars & 2)
                    style |= WS_VSCROLL;
            }
            if (m_props.alignment == int32_t(HorizontalAlignment::Centre))
                style |= ES_CENTER;
            else if (m_props.alignment == int32_t(HorizontalAlignment::Right))
                style |= ES_RIGHT;
            if (m_props.input_mode == int32_t(InputMode::ReadOnly))
                style |= ES_READONLY;
            else if (m_props.input_mode == int32_t(InputMode::Password))
                style |= ES_PASSWORD;
            if (m_props.case_conversion == int32_t(CaseConversion::Lower))
                style |= ES_LOWERCASE;
            else if (m_props.case_conversion == int32_t(CaseConversion::Upper))
                style |= ES_UPPERCASE;
            if (m_props.hide_selection == 0)
                style |= ES_NOHIDESEL;
            // A single line takes its text once it can hold a long one (LongEdit.h).
            const bool single_line = !m_props.multi_line;
            m_programmatic = true;
            HWND hwnd = MakeChild(args, L"EDIT", single_line ? std::wstring() : WideFromGbk(m_props.content),
                                  style);
            m_programmatic = false;
            m_border = m_props.border;
            if (hwnd != nullptr) {
                SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(static_cast<WinUnit*>(this)));
                SetWindowSubclass(hwnd, &EditFrameProc, 1, 0);
                SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                             SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
                if (single_line) {
                    SetWindowSubclass(hwnd, &LongEditProc, 2, 0);
                    m_programmatic = true;
                    SetWindowTextW(hwnd, WideFromGbk(m_props.content).c_str());
                    m_programmatic = false;
                }
            }
            // A maximum of 0 is the system's largest, which the control takes only when told: its
            // own default of 30,000 characters cut a long paste and gave a wrong answer.
            if (hwnd != nullptr)
                SendMessageW(hwnd, EM_SETLIMITTEXT, WPARAM(std::max(0, m_props.max_length)), 0);
            return hwnd;
        } else if constexpr (std::is_same_v<Props, ButtonProps>) {
            DWORD style = (m_props.default_button ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_NOTIFY |
                          BS_MULTILINE;
            if (m_props.horizontal_alignment == int32_t(HorizontalAlignment::Left))
                style |= BS_LEFT;
            else if (m_props.horizontal_alignment == int32_t(HorizontalAlignment::Right))
                style |= BS_RIGHT;
            if (m_props.vertical_alignment == int32_t(VerticalAlignment::Top))
                style |= BS_TOP;
            else if (m_props.vertical_alignment == int32_t(VerticalAlignment::Bottom))
                style |= BS_BOTTOM;
            return MakeChild(args, L"BUTTON", WideFromGbk(m_props.caption), style);
        } else {
            // Labels' window texts are their captions: a screen reader names the box after one by it.
            std::wstring text;
            if constexpr (std::is_same_v<Props, LabelProps>)
                text = WideFromGbk(m_props.caption);
            HWND hwnd = MakeChild(args, L"STATIC", text, SS_OWNERDRAW | SS_NOTIFY | WS_CLIPCHILDREN);
            if (hwnd != nullptr)
                SetWindowSubclass(hwnd, &ContainerProc, 1, 0);
            return hwnd;
        }
    }

    paint::DisplayList DisplayList()
    {
        const paint::Size size{m_width, m_height};
        if constexpr (std::is_same_v<Props, LabelProps>)
            return paint::PaintLabel(m_props, size, paint::PictureFileSize(m_props.picture), GdiMeasure());
        else if constexpr (std::is_same_v<Props, ShapeBoxProps>)
            return paint::PaintShapeBox(m_props, size);
        else if constexpr (std::is_same_v<Props, PicBoxProps>)
            return paint::PaintPicBox(m_props, size, paint::PictureFileSize(m_props.picture));
        return {};
    }

    HBITMAP Picture()
    {
        if constexpr (requires { m_props.picture; }) {
            if (m_picture == nullptr && !m_props.picture.empty() && !m_picture_failed) {
                m_picture = DecodePicture(m_props.picture);
                m_picture_failed = m_picture == nullptr;
            }
        }
        return m_picture;
    }

    // Shows a stored change of an own property.
    void Show(int32_t own)
    {
        if constexpr (std::is_same_v<Props, EditBoxProps>) {
            switch (own) {
            case EditBoxOwn::Content: {
                m_programmatic = true;
                SetWindowTextW(Hwnd(), WideFromGbk(m_props.content).c_str());
                m_programmatic = false;
                return;
            }
            case EditBoxOwn::InputMode:
                SendMessageW(Hwnd(), EM_SETREADONLY, m_props.input_mode == int32_t(InputMode::ReadOnly), 0);
                return;
            case EditBoxOwn::MaxLength:
                SendMessageW(Hwnd(), EM_SETLIMITTEXT, WPARAM(std::max(0, m_props.max_length)), 0);
                return;
            case EditBoxOwn::Border:
                m_border = m_props.border;
                SetWindowPos(Hwnd(), nullptr, 0, 0, 0, 0,
                             SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
                return;
            case EditBoxOwn::Background:
                if (m_brush != nullptr)
                    DeleteObject(m_brush);
                m_brush = nullptr;
                break;
            default: break;
            }
        }
        if constexpr (requires { m_props.caption; }) {
            if (!std::is_same_v<Props, ShapeBoxProps>)
                SetWindowTextW(Hwnd(), WideFromGbk(m_props.caption).c_str());
        }
        if constexpr (requires { m_props.picture; }) {
            if (m_picture != nullptr)
                DeleteObject(m_picture);
            m_picture = nullptr;
            m_picture_failed = false;
        }
        m_list.Forget();
        Rescale();
        InvalidateRect(Hwnd(), nullptr, TRUE);
    }

    Props m_props;
    paint::KeptList m_list;  // a painted unit's, made at its size at the factor 1
    HBITMAP m_picture = nullptr;
    bool m_picture_failed = false;
    HBRUSH m_brush = nullptr;
    std::string m_selection;
};
