// anglarix.exe: the form runtime loads the embedded window template with the Win32 unit
// library, builds the main window by the runtime's loading sequence and runs the click
// procedures through a service table whose property calls reach the controls. Keys (Tab,
// Enter, Escape) follow the runtime's and the program's rules; the notes at the boxes are
// tooltips. The run ends with 0 when the last window closes, -1 after a runtime error.
#include "win/face/WinApi.h"
#include <objbase.h>

#include <algorithm>
#include <vector>

#include "contract/ServiceTable.h"
#include "core/runtime/EnterKey.h"
#include "core/runtime/EventDispatch.h"
#include "core/runtime/LoadSequence.h"
#include "core/props/WindowProps.h"
#include "core/runtime/UnitPropertyAccess.h"
#include "core/runtime/UnitTypeTable.h"
#include "core/runtime/WindowList.h"
#include "program/FramePolicy.h"
#include "program/Procedures.h"
#include "program/data/AccessibleTexts.h"
#include "program/data/MainWindowTemplate.h"
#include "program/data/MainWindowUnits.h"
#include "values/Blocks.h"
#include "values/RuntimeError.h"
#include "win/face/WideText.h"
#include "win/face/WinKinds.h"
#include "win/face/WinNotes.h"

namespace {

void (*g_exit_procedure)() = nullptr;

// Runs the program's exit procedure once and ends the process.
[[noreturn]] void EndProcess(int code)
{
    if (void (*procedure)() = std::exchange(g_exit_procedure, nullptr))
        procedure();
    ExitProcess(UINT(code));
}

void PresentErrorBox(const std::string& gbk)
{
    MessageBoxW(nullptr, WideFromGbk(gbk).c_str(), WideFromGbk(RuntimeErrorTitle).c_str(),
                MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
}

// After a runtime error the exit procedure does not run.
[[noreturn]] void EndAfterRuntimeError(int) { ExitProcess(UINT(-1)); }

void RaiseRuntimeErrorService(int32_t code) { RaiseRuntimeError(code); }
// The program declares no external commands.
TypedValue NoLibraryCommand(int32_t, int32_t, const TypedValue*) { RaiseRuntimeError(1); }
void EndProgramService(int32_t code) { EndProcess(code); }
void RunMessageLoopService();
void LoadWindowService(uint32_t window_id);
intptr_t SystemCallService(int32_t number, intptr_t a, intptr_t)
{
    if (number == kSystemCallSetExitProcedure)
        g_exit_procedure = reinterpret_cast<void (*)()>(a);
    return 0;
}

// clang-format off
constexpr ServiceTable kServices = {
    &RaiseRuntimeErrorService, &NoLibraryCommand, &CallCommand,       &CallCommand,      &GetUnitProperty,
    &SetUnitProperty,          &AllocateBlock,    &ResizeBlock,       &FreeBlock,        &EndProgramService,
    &RunMessageLoopService,    &LoadWindowService, &SystemCallService, &ShowUnitNote,
};
// clang-format on

RuntimeWindow* LoadedWindowOf(HWND hwnd, uint32_t& unit_id)
{
    uint32_t window_id = 0;
    for (HWND at = hwnd; at != nullptr; at = GetParent(at)) {
        if (UnitOfHwnd(at, window_id, unit_id)) {
            RuntimeWindow* window = FindWindow(window_id);
            return window != nullptr && window->loaded ? window : nullptr;
        }
    }
    return nullptr;
}

// The units Tab visits now: the window's order less what is hidden or disabled.
std::vector<RuntimeRecord*> FocusOrder(RuntimeWindow& window)
{
    std::vector<RuntimeRecord*> order = TabOrder(window);
    std::erase_if(order, [](const RuntimeRecord* record) {
        const HWND hwnd = UnitHwnd(*record);
        return hwnd == nullptr || !IsWindowVisible(hwnd) || !IsWindowEnabled(hwnd);
    });
    return order;
}

void FocusUnit(const RuntimeRecord* record)
{
    const HWND hwnd = record != nullptr ? UnitHwnd(*record) : nullptr;
    if (hwnd == nullptr)
        return;
    SetFocus(hwnd);
    // As a dialog does, a box reached by the keyboard has its whole text selected.
    wchar_t name[8] = {};
    GetClassNameW(hwnd, name, 8);
    if (lstrcmpiW(name, L"EDIT") == 0)
        SendMessageW(hwnd, EM_SETSEL, 0, -1);
}

void MoveFocus(RuntimeWindow& window, uint32_t from_unit, bool forward)
{
    RuntimeRecord* from = from_unit != window.records.front().id ? FindRecord(window, from_unit) : nullptr;
    FocusUnit(NextInFocusOrder(FocusOrder(window), from, forward));
}

bool Held(int key) { return (GetKeyState(key) & 0x8000) != 0; }

// True when the key was acted on and the control must not see it.
bool HandleKey(const MSG& msg)
{
    const int key = int(msg.wParam);
    if (key != VK_TAB && key != VK_RETURN && key != VK_ESCAPE)
        return false;
    uint32_t unit_id = 0;
    RuntimeWindow* window = LoadedWindowOf(msg.hwnd, unit_id);
    if (window == nullptr)
        return false;
    RuntimeRecord* focused = FindRecord(*window, unit_id);
    if (focused != nullptr && focused->object != nullptr) {
        const auto wants = reinterpret_cast<WantsKeyEntry>(KindEntry(focused->kind, kEntryWantsKey));
        if (wants != nullptr && wants(focused->object.get(), key) != 0)
            return false;
    }
    if (key == VK_TAB) {
        MoveFocus(*window, unit_id, !Held(VK_SHIFT));
        return true;
    }
    if (key == VK_RETURN) {
        const bool modified = Held(VK_SHIFT) || Held(VK_CONTROL) || Held(VK_MENU);
        const EnterAnswer answer = AnswerEnter(*window, unit_id, modified);
        switch (answer.action) {
        case EnterAnswer::Action::Click:
            RaiseEventFromRuntime(window->id, answer.unit, kEventClick);
            return true;
        case EnterAnswer::Action::MoveFocus: MoveFocus(*window, unit_id, true); return true;
        case EnterAnswer::Action::Nothing: return false;
        }
        return false;
    }
    if (OwnPropertyOf(window->records.front(), WindowOwn::EscapeCloses).low == 0)
        return false;
    PostMessageW(UnitHwnd(window->records.front()), WM_CLOSE, 0, 0);
    return true;
}

bool AnyWindowLoaded()
{
    return std::any_of(Windows().begin(), Windows().end(), [](const RuntimeWindow& w) { return w.loaded; });
}

// The idle event, once each time the queue runs empty, with the milliseconds since the last.
void RaiseIdle()
{
    static DWORD last = GetTickCount();
    const DWORD now = GetTickCount();
    std::vector<uint32_t> ids;
    for (const RuntimeWindow& window : Windows()) {
        if (window.loaded)
            ids.push_back(window.id);
    }
    for (uint32_t id : ids) {
        RuntimeWindow* window = FindWindow(id);
        if (window == nullptr || !window->loaded)
            continue;  // an earlier window's handler closed it
        EventRecord record;
        record.window_id = id;
        record.event = kEventIdle;
        record.arg_count = 1;
        record.args[0] = now - last;
        DispatchEvent(record);
    }
    last = now;
}

int RunLoop()
{
    MSG msg;
    for (;;) {
        if (!PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
            RaiseIdle();
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0)
            return int(msg.wParam);
        if (got < 0)
            return -1;
        if (msg.message == WM_KEYDOWN && HandleKey(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void RunMessageLoopService() { EndProcess(RunLoop()); }

// The window kind decides whether a close goes ahead; when it does, the units go, and with the
// last window the run.
void CloseRuntimeWindow(HWND hwnd)
{
    uint32_t unit_id = 0;
    RuntimeWindow* window = LoadedWindowOf(hwnd, unit_id);
    if (window == nullptr) {
        DestroyWindow(hwnd);
        return;
    }
    EventRecord record;
    record.window_id = window->id;
    record.unit_id = window->records.front().id;
    record.event = kEventCloseRequest;
    DispatchEvent(record);
    window = FindWindow(record.window_id);
    if (window == nullptr || !window->loaded)
        return;
    if (record.has_result && record.result == 0)
        return;
    HideNotes();
    ReleaseWindow(*window);
    if (!AnyWindowLoaded())
        PostQuitMessage(0);
}

double FactorOf(HWND hwnd)
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

LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam)
{
    LRESULT result = 0;
    switch (message) {
    case WM_CLOSE: CloseRuntimeWindow(hwnd); return 0;
    case WM_NOTIFY:
        if (HandleNoteNotify(reinterpret_cast<NMHDR*>(lparam), result))
            return result;
        break;
    case WM_TIMER:
        if (HandleNoteTimer(wparam))
            return 0;
        break;
    case WM_DPICHANGED: {
        uint32_t unit_id = 0;
        if (RuntimeWindow* window = LoadedWindowOf(hwnd, unit_id)) {
            SetDpiScale(*window, HIWORD(wparam) / 96.0);
            const RECT* suggested = reinterpret_cast<const RECT*>(lparam);
            SetWindowPos(hwnd, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                         suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        }
        return 0;
    }
    default:
        if (HandleUnitMessage(hwnd, message, wparam, lparam, result))
            return result;
        break;
    }
    return DefWindowProcW(hwnd, message, wparam, lparam);
}

bool IsLive(const RuntimeRecord& record) { return record.object != nullptr; }

void BringForward(RuntimeRecord& window_record)
{
    const HWND hwnd = UnitHwnd(window_record);
    if (IsIconic(hwnd))
        ShowWindow(hwnd, SW_RESTORE);
    else
        SetForegroundWindow(hwnd);
}

QWidget* UnitsParent(const RuntimeRecord& window_record)
{
    return reinterpret_cast<QWidget*>(UnitHwnd(window_record));
}

void PlaceInside(RuntimeRecord& unit, const RuntimeRecord& container)
{
    SetParent(UnitHwnd(unit), UnitHwnd(container));
    if (RuntimeWindow* window = FindWindow(unit.object->WindowId()))
        PlaceUnit(*window, unit);
}

void Raise(RuntimeRecord& unit)
{
    SetWindowPos(UnitHwnd(unit), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void ShowUnit(RuntimeRecord& unit, bool shown) { ShowWindow(UnitHwnd(unit), shown ? SW_SHOWNA : SW_HIDE); }

// A screen reader names a box by the static text just before it in z-order: each box's label
// goes right above it, the boxes and buttons in Tab order first, the shapes behind everything.
void Built(RuntimeWindow& window)
{
    std::vector<HWND> order;
    const auto add = [&](const RuntimeRecord* record) {
        const HWND hwnd = record != nullptr && record->parent_id == 0 ? UnitHwnd(*record) : nullptr;
        if (hwnd != nullptr && std::find(order.begin(), order.end(), hwnd) == order.end())
            order.push_back(hwnd);
    };
    for (const RuntimeRecord* record : TabOrder(window)) {
        const AccessibleText* text = window.id == kMainWindowId ? MainWindowAccessibleText(record->id)
                                                                : nullptr;
        if (text != nullptr && text->label_id != 0)
            add(FindRecord(window, text->label_id));
        add(record);
    }
    for (bool shapes : {false, true}) {
        for (const RuntimeRecord& record : window.records) {
            if (&record != &window.records.front() && (record.kind == KIND_SHAPE_BOX) == shapes)
                add(&record);
        }
    }
    HWND after = HWND_TOP;
    for (HWND hwnd : order) {
        SetWindowPos(hwnd, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        after = hwnd;
    }
    PrepareNotes(window, UnitHwnd(window.records.front()));
}

void ShowWindowWithFocus(RuntimeWindow& window)
{
    const HWND hwnd = UnitHwnd(window.records.front());
    const double factor = FactorOf(hwnd);
    if (factor != DpiScale())
        SetDpiScale(window, factor);
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    const std::vector<RuntimeRecord*> order = FocusOrder(window);
    FocusUnit(order.empty() ? nullptr : order.front());
}

constexpr LoadSurface kSurface{
    .is_live = &IsLive,
    .bring_forward = &BringForward,
    .units_parent = &UnitsParent,
    .place_inside = &PlaceInside,
    .raise = &Raise,
    .show_unit = &ShowUnit,
    .built = &Built,
    .show_window = &ShowWindowWithFocus,
};

void LoadWindowService(uint32_t window_id)
{
    AddFramePolicy(window_id);
    LoadWindowOrFail(window_id, kSurface);
}

void RegisterWindowClass(HINSTANCE instance)
{
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = &FrameProc;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    window_class.hIconSm = HICON(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                            GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    window_class.lpszClassName = kWindowClassName;
    RegisterClassExW(&window_class);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    InstallServices(&kServices);
    SetRuntimeErrorHooks(
        {.before_report = &SuppressEvents, .present = &PresentErrorBox, .end_program = &EndAfterRuntimeError});
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    RegisterWindowClass(instance);
    SetUserChangeHandler(&BoxChangedByUser);

    static const LibraryDescriptor* const libraries[] = {&WinLibrary()};
    InitializeUnitLibraries(libraries);
    LoadProgramWindows({MainWindowTemplate, MainWindowTemplateSize}, ProgramProcedures());
    LoadWindowService(kMainWindowId);
    EndProcess(RunLoop());
}
