#include "win/face/WinKinds.h"


#include <cmath>
#include <type_traits>
#include <vector>

#include "core/paint/Borders.h"
#include "core/paint/Colours.h"
#include "core/paint/KeptList.h"
#include "core/props/KindProps.h"
#include "core/paint/LabelPainting.h"
#include "core/paint/PicturePlacement.h"
#include "core/paint/ShapePainting.h"
#include "core/runtime/LoadSequence.h"
#include "core/runtime/UnitPropertyAccess.h"
#include "win/face/GdiPainting.h"
#include "win/face/WideText.h"

namespace {

RuntimeEntry g_runtime_entry = nullptr;
double g_scale = 1.0;
void (*g_user_change)(uint32_t, uint32_t) = nullptr;

int Scaled(int32_t value) { return int(std::lround(value * g_scale)); }

COLORREF Ref(uint32_t win_colour) { return RefOf(paint::ArgbFromWin(win_colour)); }

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
    QWidget* Widget() const override { return reinterpret_cast<QWidget*>(m_hwnd); }
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

WinUnit* UnitOf(HWND hwnd)
{
    return hwnd != nullptr ? reinterpret_cast<WinUnit*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)) : nullptr;
}

// Painted units and the window forward what their children send them to the units.
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
        ReplayDisplayList(dc, list, nullptr, g_scale);
        ReleaseDC(hwnd, dc);
        return result;
    }
    return DefSubclassProc(hwnd, message, wparam, lparam);
}

HWND MakeChild(const CreateArgs& args, const wchar_t* window_class, const std::wstring& text, DWORD style,
               DWORD ex_style = 0)
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

// The outer size of a window whose client area is the template's, less the classic frame.
SIZE OuterSize(HWND hwnd, int32_t width, int32_t height)
{
    RECT r{0, 0, Scaled(width - kClassicFrame.left - kClassicFrame.right),
           Scaled(height - kClassicFrame.top - kClassicFrame.bottom)};
    AdjustWindowRectEx(&r, DWORD(GetWindowLongPtrW(hwnd, GWL_STYLE)), FALSE,
                       DWORD(GetWindowLongPtrW(hwnd, GWL_EXSTYLE)));
    return {r.right - r.left, r.bottom - r.top};
}

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
                DWORD from = 0, to = 0;
                SendMessageW(Hwnd(), EM_GETSEL, WPARAM(&from), LPARAM(&to));
                const std::wstring text = WindowText(Hwnd());
                m_selection = from < to && to <= text.size() ? GbkFromWide(text.substr(from, to - from))
                                                             : std::string();
                *value = {0, 0, m_selection.data(), uint32_t(m_selection.size())};
                return 1;
            }
        }
        return GetOwnProperty(m_props, own, value) ? 1 : 0;
    }

    // Never asks the runtime for a rebuild: the control takes the change where it is.
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
        if (!SetOwnProperty(m_props, own, value).changed)
            return 0;
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
            ReplayDisplayList(memory, list, Picture(), g_scale);
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
            SendMessageW(Hwnd(), WM_SETFONT, WPARAM(FontOfRecord(m_props.font, g_scale)), TRUE);
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
            m_programmatic = true;
            HWND hwnd = MakeChild(args, L"EDIT", WideFromGbk(m_props.content), style);
            m_programmatic = false;
            m_border = m_props.border;
            if (hwnd != nullptr) {
                SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(static_cast<WinUnit*>(this)));
                SetWindowSubclass(hwnd, &EditFrameProc, 1, 0);
                SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                             SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
            }
            if (hwnd != nullptr && m_props.max_length > 0)
                SendMessageW(hwnd, EM_SETLIMITTEXT, WPARAM(m_props.max_length), 0);
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
                // As a typed change does, the program's change raises the box's change event.
                RaiseUnitEvent(WindowId(), UnitId(), kEventChange);
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

// A multi-line box takes Enter itself; Tab and Escape go to the runtime's rules.
int EditWantsKey(Unit* unit, int key)
{
    const HWND hwnd = static_cast<WinUnit*>(unit)->Hwnd();
    return key == VK_RETURN && (GetWindowLongPtrW(hwnd, GWL_STYLE) & ES_MULTILINE) != 0 ? 1 : 0;
}

template <class Props>
AnyEntry WinInterface(int32_t number)
{
    if (number == kEntryWantsKey)
        return std::is_same_v<Props, EditBoxProps> ? reinterpret_cast<AnyEntry>(&EditWantsKey) : nullptr;
    return KindEntries<KindUnit<Props>>::Entry(number);
}

WinUnit* UnitOfRecord(const RuntimeRecord& record) { return static_cast<WinUnit*>(record.object.get()); }

void ApplyCommon(RuntimeRecord& record, int32_t property)
{
    WinUnit* unit = UnitOfRecord(record);
    RuntimeWindow* window = unit != nullptr ? FindWindow(unit->WindowId()) : nullptr;
    if (window == nullptr)
        return;
    switch (property) {
    case kPropertyLeft:
    case kPropertyTop:
    case kPropertyWidth:
    case kPropertyHeight: PlaceUnit(*window, record); break;
    case kPropertyVisible:
        if (&record != &window->records.front())
            ShowWindow(unit->Hwnd(),
                       (record.state_flags & kStateVisible) != 0 && MayShow(record) ? SW_SHOWNA : SW_HIDE);
        else
            ShowWindow(unit->Hwnd(), (record.state_flags & kStateVisible) != 0 ? SW_SHOW : SW_HIDE);
        break;
    case kPropertyDisabled: EnableWindow(unit->Hwnd(), (record.state_flags & kStateDisabled) == 0); break;
    default: break;  // the pointer is the system's
    }
}

const LiveUnitAccess kWindowAccess{nullptr, &ApplyCommon, nullptr};

intptr_t NotifyWinLibrary(int32_t number, intptr_t a, intptr_t)
{
    if (number == kLibraryNotifyStartup) {
        g_runtime_entry = reinterpret_cast<RuntimeEntry>(a);
        SetLiveUnitAccess(&kWindowAccess);
    }
    return 0;
}

// clang-format off
constexpr KindInterfaceRow kWinKinds[] = {
    {KIND_WINDOW, &WinInterface<WindowProps>},   {KIND_EDIT_BOX, &WinInterface<EditBoxProps>},
    {KIND_PIC_BOX, &WinInterface<PicBoxProps>},  {KIND_SHAPE_BOX, &WinInterface<ShapeBoxProps>},
    {KIND_LABEL, &WinInterface<LabelProps>},     {KIND_BUTTON, &WinInterface<ButtonProps>},
};
// clang-format on

}  // namespace

const LibraryDescriptor& WinLibrary()
{
    static const UnitTypeSlots types = MakeUnitTypeSlots(kWinKinds);
    static const LibraryDescriptor library = BuiltInLibraryDescriptor(types, &NotifyWinLibrary);
    return library;
}

HWND UnitHwnd(const RuntimeRecord& record)
{
    const WinUnit* unit = UnitOfRecord(record);
    return unit != nullptr ? unit->Hwnd() : nullptr;
}

bool UnitOfHwnd(HWND hwnd, uint32_t& window_id, uint32_t& unit_id)
{
    const WinUnit* unit = UnitOf(hwnd);
    if (unit == nullptr)
        return false;
    window_id = unit->WindowId();
    unit_id = unit->UnitId();
    return true;
}

bool RaiseUnitEvent(uint32_t window_id, uint32_t unit_id, int32_t event)
{
    if (g_runtime_entry == nullptr)
        return false;
    EventRecord record;
    record.window_id = window_id;
    record.unit_id = unit_id;
    record.event = event;
    return g_runtime_entry(kNotifyRaiseEvent, reinterpret_cast<intptr_t>(&record), 0) == 1;
}

double DpiScale() { return g_scale; }

void SetDpiScale(RuntimeWindow& window, double scale)
{
    g_scale = scale;
    for (RuntimeRecord& record : window.records) {
        if (WinUnit* unit = UnitOfRecord(record)) {
            PlaceUnit(window, record);
            unit->Rescale();
        }
    }
}

void PlaceUnit(RuntimeWindow& window, RuntimeRecord& record)
{
    WinUnit* unit = UnitOfRecord(record);
    if (unit == nullptr)
        return;
    unit->m_width = record.width;
    unit->m_height = record.height;
    if (&record == &window.records.front()) {
        const SIZE outer = OuterSize(unit->Hwnd(), record.width, record.height);
        SetWindowPos(unit->Hwnd(), nullptr, 0, 0, outer.cx, outer.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    // A unit inside another is its child window, placed in its container's corner.
    SetWindowPos(unit->Hwnd(), nullptr, Scaled(record.left), Scaled(record.top), Scaled(record.width),
                 Scaled(record.height), SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(unit->Hwnd(), nullptr, TRUE);
}

bool HandleUnitMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result)
{
    switch (message) {
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
        WinUnit* unit = UnitOf(item->hwndItem);
        if (unit == nullptr)
            return false;
        unit->Paint(item->hDC, item->rcItem);
        result = TRUE;
        return true;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: {
        WinUnit* unit = UnitOf(reinterpret_cast<HWND>(lparam));
        HBRUSH brush = unit != nullptr ? unit->Colours(reinterpret_cast<HDC>(wparam)) : nullptr;
        if (brush == nullptr)
            return false;
        result = reinterpret_cast<LRESULT>(brush);
        return true;
    }
    case WM_ERASEBKGND: {
        // The window's own background colour.
        const WinUnit* unit = UnitOf(window);
        if (unit == nullptr)
            return false;
        RECT r;
        GetClientRect(window, &r);
        HBRUSH brush = CreateSolidBrush(Ref(unit->Background()));
        FillRect(reinterpret_cast<HDC>(wparam), &r, brush);
        DeleteObject(brush);
        result = 1;
        return true;
    }
    case WM_COMMAND: {
        const HWND control = reinterpret_cast<HWND>(lparam);
        WinUnit* unit = UnitOf(control);
        if (unit == nullptr)
            return false;
        const uint32_t window_id = unit->WindowId(), unit_id = unit->UnitId();
        switch (HIWORD(wparam)) {
        case BN_CLICKED: RaiseUnitEvent(window_id, unit_id, kEventClick); break;
        case EN_CHANGE:
            if (!unit->m_programmatic) {
                RaiseUnitEvent(window_id, unit_id, kEventChange);
                if (g_user_change != nullptr)
                    g_user_change(window_id, unit_id);
            }
            break;
        case EN_SETFOCUS:
        case BN_SETFOCUS: RaiseUnitEvent(window_id, unit_id, kEventFocusIn); break;
        case EN_KILLFOCUS:
        case BN_KILLFOCUS: RaiseUnitEvent(window_id, unit_id, kEventFocusOut); break;
        default: return false;
        }
        result = 0;
        return true;
    }
    default: return false;
    }
}

void SetUserChangeHandler(void (*handler)(uint32_t, uint32_t)) { g_user_change = handler; }
