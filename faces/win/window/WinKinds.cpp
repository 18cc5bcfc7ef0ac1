#include "faces/win/window/WinKinds.h"

#include "core/runtime/LoadSequence.h"
#include "core/runtime/UnitPropertyAccess.h"
#include "faces/win/window/WinButton.h"
#include "faces/win/window/WinEditBox.h"
#include "faces/win/window/WinLabel.h"
#include "faces/win/window/WinPicBox.h"
#include "faces/win/window/WinShapeBox.h"
#include "faces/win/window/WinUnit.h"
#include "faces/win/window/WinWindow.h"

namespace {

RuntimeEntry g_runtime_entry = nullptr;
double g_scale = 1.0;
void (*g_user_change)(uint32_t, uint32_t) = nullptr;

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

bool PlaceOfControl(const RuntimeRecord& record, UnitPlace& place)
{
    const WinUnit* unit = UnitOfRecord(record);
    const HWND hwnd = unit != nullptr ? unit->Hwnd() : nullptr;
    if (hwnd == nullptr || (GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD) == 0)
        return false;
    const HWND focus = GetFocus();
    place = {.parent = reinterpret_cast<FaceHandle>(GetParent(hwnd)),
             .left = record.left,
             .top = record.top,
             .width = record.width,
             .height = record.height,
             .disabled = IsWindowEnabled(hwnd) == FALSE,
             .focused = focus != nullptr && (focus == hwnd || IsChild(hwnd, focus))};
    return true;
}

void PutControlInPlace(RuntimeWindow& window, RuntimeRecord& record, Unit* fresh, const UnitPlace& place)
{
    const HWND old = UnitOfRecord(record)->Hwnd();
    const HWND hwnd = static_cast<WinUnit*>(fresh)->Hwnd();
    const bool shown = (GetWindowLongW(old, GWL_STYLE) & WS_VISIBLE) != 0;
    SetWindowPos(hwnd, old, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    record.object.reset(fresh);  // the old control goes
    PlaceUnit(window, record);
    ShowWindow(hwnd, shown ? SW_SHOWNA : SW_HIDE);
    if (place.focused)
        SetFocus(hwnd);
}

const LiveUnitAccess kWindowAccess{nullptr, &ApplyCommon, &PlaceOfControl, &PutControlInPlace};

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
    {KIND_WINDOW,    &KindEntries<WinWindow>::Entry},
    {KIND_EDIT_BOX,  &WinEditBox::Interface},
    {KIND_PIC_BOX,   &KindEntries<WinPicBox>::Entry},
    {KIND_SHAPE_BOX, &KindEntries<WinShapeBox>::Entry},
    {KIND_LABEL,     &KindEntries<WinLabel>::Entry},
    {KIND_BUTTON,    &KindEntries<WinButton>::Entry},
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

double MonitorFactor(HWND hwnd)
{
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto get_dpi = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    UINT dpi = get_dpi != nullptr && hwnd != nullptr ? get_dpi(hwnd) : 0;
    if (dpi == 0) {
        HDC screen = GetDC(nullptr);
        dpi = UINT(GetDeviceCaps(screen, LOGPIXELSX));
        ReleaseDC(nullptr, screen);
    }
    return dpi > 0 ? dpi / 96.0 : 1.0;
}

void TakeMonitorFactor(HWND hwnd) { g_scale = MonitorFactor(hwnd); }

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

namespace {

// A control's notification as the unit's event; false for one that is none.
bool RaiseControlEvent(WinUnit* unit, WORD notification)
{
    if (unit == nullptr)
        return false;
    const uint32_t window_id = unit->WindowId(), unit_id = unit->UnitId();
    switch (notification) {
    case BN_CLICKED: RaiseUnitEvent(window_id, unit_id, kEventClick); break;
    case EN_CHANGE:
        if (!unit->m_programmatic) {
            // The notes the edit made untrue go before a procedure may give new ones.
            if (g_user_change != nullptr)
                g_user_change(window_id, unit_id);
            RaiseUnitEvent(window_id, unit_id, kEventChange);
        }
        break;
    case EN_SETFOCUS:
    case BN_SETFOCUS: RaiseUnitEvent(window_id, unit_id, kEventFocusIn); break;
    case EN_KILLFOCUS:
    case BN_KILLFOCUS: RaiseUnitEvent(window_id, unit_id, kEventFocusOut); break;
    default: return false;
    }
    return true;
}

}  // namespace

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
    case WM_COMMAND:
        if (!RaiseControlEvent(UnitOf(reinterpret_cast<HWND>(lparam)), HIWORD(wparam)))
            return false;
        result = 0;
        return true;
    default: return false;
    }
}

void SetUserChangeHandler(void (*handler)(uint32_t, uint32_t)) { g_user_change = handler; }
