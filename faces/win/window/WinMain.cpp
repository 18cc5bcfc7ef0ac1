// anglarix.exe: the program's start routine runs on the frame's service table, whose property
// calls reach the controls; the window is built from the embedded template with the Win32 unit
// library by the runtime's loading sequence. The frame
// (core/frame) decides the keys, the focus, the notes, the idle periods and a close; this face
// reports what the user does in its words and carries out its actions. The run ends with the
// frame's status after the last window, -1 after a runtime error.
#include "faces/win/window/WinApi.h"
#include <objbase.h>

#include <algorithm>
#include <vector>

#include "contract/ServiceTable.h"
#include "core/frame/Frame.h"
#include "core/frame/FrameServices.h"
#include "core/runtime/EventDispatch.h"
#include "core/runtime/LoadSequence.h"
#include "core/runtime/UnitPropertyAccess.h"
#include "core/runtime/UnitTypeTable.h"
#include "core/runtime/WindowList.h"
#include "program/FramePolicy.h"
#include "program/StartRoutine.h"
#include "program/Procedures.h"
#include "program/data/AccessibleTexts.h"
#include "program/data/MainWindowTemplate.h"
#include "program/data/MainWindowUnits.h"
#include "values/Blocks.h"
#include "values/Constants.h"
#include "values/RuntimeError.h"
#include "faces/win/window/WideText.h"
#include "faces/win/window/WinKinds.h"
#include "faces/win/window/WinNotes.h"

namespace {

[[noreturn]] void EndWinProcess(int32_t code)
{
    CoUninitialize();
    ExitProcess(UINT(code));
}

void PresentErrorBox(const std::string& gbk)
{
    MessageBoxW(nullptr, WideFromGbk(gbk).c_str(), WideFromGbk(RuntimeErrorTitle).c_str(),
                MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
}

// The loaded runtime window a window of the face belongs to, and the unit it is (the window's
// own record for its frame); null for another window.
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

bool Held(int key) { return (GetKeyState(key) & 0x8000) != 0; }

// Tab, Enter, Escape and F1 in the frame's words; true when the frame acted on the key.
bool FrameTookKey(const MSG& msg)
{
    FrameKey key = FrameKey::Other;
    switch (msg.wParam) {
    case VK_TAB: key = FrameKey::Tab; break;
    case VK_RETURN: key = FrameKey::Enter; break;
    case VK_ESCAPE: key = FrameKey::Escape; break;
    case VK_F1: key = FrameKey::F1; break;
    default: return false;
    }
    uint32_t unit_id = 0;
    const RuntimeWindow* window = LoadedWindowOf(msg.hwnd, unit_id);
    return window != nullptr &&
           FrameKeyDown(window->id, unit_id, key,
                        {.shift = Held(VK_SHIFT), .ctrl = Held(VK_CONTROL), .alt = Held(VK_MENU)});
}

// Whether the idle passes of this period go on; activity starts a new period.
bool g_idle_wanted = true;
POINT g_pointer{-1, -1};

void Activity()
{
    FrameActivity();
    g_idle_wanted = true;
}

// Keys, mouse buttons and the wheel, and the pointer moved to a new place (the system repeats
// a move where the pointer stands when windows change under it).
bool IsActivity(const MSG& msg)
{
    if (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE) {
        const bool moved = msg.pt.x != g_pointer.x || msg.pt.y != g_pointer.y;
        g_pointer = msg.pt;
        return moved;
    }
    return (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) ||
           (msg.message >= WM_LBUTTONDOWN && msg.message <= WM_MOUSELAST) ||
           (msg.message >= WM_NCLBUTTONDOWN && msg.message <= WM_NCXBUTTONDBLCLK);
}

int RunLoop()
{
    FrameLoopEntered();
    MSG msg;
    for (;;) {
        while (g_idle_wanted && !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
            g_idle_wanted = FrameIdlePass(GetTickCount64());
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0)
            return int(msg.wParam);
        if (got < 0)
            return -1;
        if (IsActivity(msg))
            Activity();
        if (msg.message == WM_KEYDOWN && FrameTookKey(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

int g_quit_code = 0;
void RunMessageLoopService() { g_quit_code = RunLoop(); }

// The frame's timers as the system's: one-shot, each reported once.
std::vector<std::pair<UINT_PTR, int>> g_timers;

void CALLBACK TimerElapsed(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    const auto at = std::find_if(g_timers.begin(), g_timers.end(),
                                 [&](const auto& one) { return one.first == id; });
    if (at == g_timers.end())
        return;
    const int timer = at->second;
    g_timers.erase(at);
    FrameTimerFired(timer);
}

void Focus(const FrameAction& action)
{
    RuntimeWindow* window = FindWindow(action.window_id);
    RuntimeRecord* record = window != nullptr ? FindRecord(*window, action.unit_id) : nullptr;
    const HWND hwnd = record != nullptr ? UnitHwnd(*record) : nullptr;
    if (hwnd == nullptr)
        return;
    SetFocus(hwnd);
    if (action.select)
        SendMessageW(hwnd, EM_SETSEL, 0, -1);
}

// The shell is loaded only when help is asked for: its libraries cost the start-up time.
void OpenHelp(const FrameAction& action)
{
    using ShellExecuteFn = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
    const HMODULE shell = LoadLibraryW(L"shell32.dll");
    const auto execute = shell != nullptr ? reinterpret_cast<ShellExecuteFn>(reinterpret_cast<void*>(
                                                GetProcAddress(shell, "ShellExecuteW")))
                                          : nullptr;
    if (execute != nullptr)
        execute(nullptr, L"open", WideFromUtf8(action.text).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void Carry(const FrameAction& action)
{
    using Kind = FrameAction::Kind;
    switch (action.kind) {
    case Kind::Focus: Focus(action); break;
    case Kind::ShowNote: ShowNote(action); break;
    case Kind::HideNote: HideNote(action); break;
    case Kind::Describe: Describe(action); break;
    case Kind::StartTimer:
        if (const UINT_PTR id = SetTimer(nullptr, 0, UINT(std::max(action.milliseconds, 0)), &TimerElapsed))
            g_timers.emplace_back(id, action.timer);
        break;
    case Kind::OpenHelp: OpenHelp(action); break;
    case Kind::CloseWindow: ForgetNotes(action.window_id); break;  // the units took their windows
    case Kind::Quit: PostQuitMessage(action.status); break;
    }
}

// The system gives an activated window the focus itself, where keys go nowhere: a window takes
// back the unit that had the focus when it was deactivated, as a dialog does.
constexpr wchar_t kKeptFocus[] = L"AnglarixKeptFocus";

void KeepFocus(HWND window)
{
    const HWND focus = GetFocus();
    if (focus != nullptr && IsChild(window, focus))
        SetPropW(window, kKeptFocus, focus);
    else
        RemovePropW(window, kKeptFocus);
}

bool GiveFocusBack(HWND window)
{
    const HWND kept = HWND(GetPropW(window, kKeptFocus));
    if (kept == nullptr || !IsChild(window, kept) || !IsWindowVisible(kept) || !IsWindowEnabled(kept))
        return false;
    SetFocus(kept);
    return true;
}

LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam)
{
    LRESULT result = 0;
    switch (message) {
    case WM_CLOSE: {
        // The frame decides whether a loaded window closes; it lets the units, and so this
        // window, go.
        uint32_t unit_id = 0;
        if (const RuntimeWindow* window = LoadedWindowOf(hwnd, unit_id))
            FrameCloseRequest(window->id);
        else
            DestroyWindow(hwnd);
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wparam) == WA_INACTIVE) {
            KeepFocus(hwnd);
            break;
        }
        Activity();
        PostMessageW(hwnd, WM_NULL, 0, 0);  // the loop may be waiting: a new period to idle in
        if (GiveFocusBack(hwnd))
            return 0;
        break;
    case WM_DESTROY: RemovePropW(hwnd, kKeptFocus); break;
    case WM_NOTIFY:
        if (HandleNoteNotify(reinterpret_cast<NMHDR*>(lparam), result))
            return result;
        break;
    case WM_DPICHANGED: {
        uint32_t unit_id = 0;
        if (RuntimeWindow* window = LoadedWindowOf(hwnd, unit_id)) {
            SetDpiScale(*window, HIWORD(wparam) / 96.0);
            RescaleNotes();
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

FaceHandle UnitsParent(const RuntimeRecord& window_record)
{
    return reinterpret_cast<FaceHandle>(UnitHwnd(window_record));
}

void PlaceInside(RuntimeRecord& unit, const RuntimeRecord& container)
{
    SetParent(UnitHwnd(unit), UnitHwnd(container));
    if (RuntimeWindow* window = FindWindow(unit.object->WindowId()))
        PlaceUnit(*window, unit);
}

// While a window is being built, Built orders the units directly in it: raising each of them
// first was a tenth of the units' start-up time under Wine.
void Raise(RuntimeRecord& unit)
{
    const HWND hwnd = UnitHwnd(unit);
    if (unit.parent_id == 0 && !IsWindowVisible(GetParent(hwnd)))
        return;
    SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
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
        const AccessibleText* text = window.id == main_window::kWindow ? MainWindowAccessibleText(record->id)
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
}

void ShowWindowWithFocus(RuntimeWindow& window)
{
    const HWND hwnd = UnitHwnd(window.records.front());
    const double factor = MonitorFactor(hwnd);
    if (factor != DpiScale()) {
        SetDpiScale(window, factor);
        RescaleNotes();
    }
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    // The tips are made once the window shows: nothing can ask for one before.
    PrepareNotes(window, hwnd);
    // As a keyboard stop: a box has its text selected.
    const uint32_t first = FirstFocusUnit(window.id);
    const RuntimeRecord* record = first != 0 ? FindRecord(window, first) : nullptr;
    if (record != nullptr)
        Focus({.kind = FrameAction::Kind::Focus,
               .window_id = window.id,
               .unit_id = first,
               .select = record->kind == KIND_EDIT_BOX});
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

// The program's directory becomes the current one, as on Linux; one that cannot be entered
// leaves the current one.
void PrepareWinRuntime()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (n == 0)
            return;
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    const size_t slash = path.find_last_of(L"\\/");
    if (slash != std::wstring::npos && slash > 0)
        SetCurrentDirectoryW(path.substr(0, slash).c_str());
}

void LoadWindowService(uint32_t window_id)
{
    AddFramePolicy(window_id);
    if (window_id == main_window::kWindow)
        MeasureNotesIn(window_id);
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
    static const LibraryDescriptor* const libraries[] = {&WinLibrary()};
    InstallServices(&FrameServices({
        .program = TheProgramParts(libraries),
        .prepare = &PrepareWinRuntime,
        .run_message_loop = &RunMessageLoopService,
        .load_window = &LoadWindowService,
        .present_error = &PresentErrorBox,
        .exit_process = &EndWinProcess,
    }));
    SetFrameFace({.carry = &Carry});  // Win32 keeps no idle work of its own
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    RegisterWindowClass(instance);
    SetUserChangeHandler(&FrameUserEdited);
    StartRoutine();
    EndWinProcess(ExitHandler(g_quit_code));
}
