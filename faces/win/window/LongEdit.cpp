#include "faces/win/window/LongEdit.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <string_view>
#include <utility>

#include "faces/win/window/WideText.h"
#include "faces/win/window/WinUnit.h"

namespace {

constexpr size_t kEdge = 128;  // a caret this near an inner end of the slice moves the slice

struct LongText {
    std::wstring whole;
    size_t start = 0;     // where the control's slice begins in the whole text
    std::wstring held;    // the slice as the control last had it
    bool active = false;  // the control holds a slice; else the control's text is the whole
    bool all = false;     // the whole text is selected
    bool raw = false;     // messages go to the control as they are
};

std::map<HWND, LongText> g_texts;

LRESULT Raw(HWND hwnd, LongText& text, UINT message, WPARAM wparam, LPARAM lparam)
{
    const bool was = std::exchange(text.raw, true);
    const LRESULT result = SendMessageW(hwnd, message, wparam, lparam);
    text.raw = was;
    return result;
}

std::wstring Held(HWND hwnd, LongText& text)
{
    std::wstring held(size_t(Raw(hwnd, text, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    held.resize(size_t(Raw(hwnd, text, WM_GETTEXT, held.size(), LPARAM(held.data()))));
    return held;
}

std::pair<size_t, size_t> HeldSelection(HWND hwnd, LongText& text)
{
    DWORD from = 0, to = 0;
    Raw(hwnd, text, EM_GETSEL, WPARAM(&from), LPARAM(&to));
    return {std::min<size_t>(from, text.held.size()), std::min<size_t>(to, text.held.size())};
}

// What the user changed in the slice goes into the whole text.
void Sync(HWND hwnd, LongText& text)
{
    if (!text.active)
        return;
    std::wstring held = Held(hwnd, text);
    if (held != text.held) {
        text.whole.replace(text.start, text.held.size(), held);
        text.held = std::move(held);
    }
}

// The control's text becomes the whole one this keeps, when it held all of it.
void Take(HWND hwnd, LongText& text)
{
    if (text.active)
        return Sync(hwnd, text);
    text.whole = text.held = Held(hwnd, text);
    text.start = 0;
    text.all = false;
}

// Whether the whole text is still selected: anything that moved the selection ended it.
bool AllSelected(HWND hwnd, LongText& text)
{
    if (text.all && HeldSelection(hwnd, text) != std::pair<size_t, size_t>{0, text.held.size()})
        text.all = false;
    return text.all;
}

std::pair<size_t, size_t> Selection(HWND hwnd, LongText& text)
{
    if (AllSelected(hwnd, text))
        return {0, text.whole.size()};
    const auto [from, to] = HeldSelection(hwnd, text);
    return {text.start + from, text.start + to};
}

// Gives the control the slice around `caret` (all of a short text) with the caret there,
// reporting no change: the caller reports one when it is the user's.
void Show(HWND hwnd, LongText& text, size_t caret)
{
    caret = std::min(caret, text.whole.size());
    text.active = text.whole.size() > kLongestHeld;
    text.start = text.active ? std::min(caret - std::min(caret, kSlice / 2), text.whole.size() - kSlice) : 0;
    size_t length = text.active ? kSlice : text.whole.size();
    // A slice never parts the halves of a character beyond U+FFFF.
    if (text.start > 0 && IS_LOW_SURROGATE(text.whole[text.start]))
        --text.start;
    if (text.start + length < text.whole.size() && IS_HIGH_SURROGATE(text.whole[text.start + length - 1]))
        ++length;
    text.held = text.whole.substr(text.start, length);
    text.all = false;
    WinUnit* unit = UnitOf(hwnd);
    const bool programmatic = unit != nullptr && std::exchange(unit->m_programmatic, true);
    Raw(hwnd, text, WM_SETTEXT, 0, LPARAM(text.held.c_str()));
    if (unit != nullptr)
        unit->m_programmatic = programmatic;
    Raw(hwnd, text, EM_SETSEL, caret - text.start, caret - text.start);
    Raw(hwnd, text, EM_SCROLLCARET, 0, 0);
}

// The user's change, reported as the control reports its own.
void Changed(HWND hwnd)
{
    SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), EN_CHANGE), LPARAM(hwnd));
}

void Replace(HWND hwnd, LongText& text, std::pair<size_t, size_t> range, std::wstring_view with)
{
    text.whole.replace(range.first, range.second - range.first, with);
    Show(hwnd, text, range.first + with.size());
}

bool ReadOnly(HWND hwnd) { return (GetWindowLongW(hwnd, GWL_STYLE) & ES_READONLY) != 0; }

// The clipboard's text up to its first line break, as a single-line control pastes it.
std::wstring ClipboardLine(HWND hwnd)
{
    std::wstring line;
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(hwnd))
        return line;
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            const std::wstring_view all(chars, wcsnlen(chars, GlobalSize(data) / sizeof(wchar_t)));
            line = all.substr(0, std::min(all.find_first_of(L"\r\n"), all.size()));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return line;
}

void ToClipboard(HWND hwnd, const std::wstring& text)
{
    if (!OpenClipboard(hwnd))
        return;
    EmptyClipboard();
    if (HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t))) {
        if (void* to = GlobalLock(data)) {
            std::memcpy(to, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
            GlobalUnlock(data);
        }
        if (SetClipboardData(CF_UNICODETEXT, data) == nullptr)
            GlobalFree(data);
    }
    CloseClipboard();
}

// After a message that may have changed the text or moved the caret: the slice follows the
// caret, and a text that grew past or shrank under the limit changes hands.
void Follow(HWND hwnd, LongText& text)
{
    if (!text.active) {
        if (size_t(Raw(hwnd, text, WM_GETTEXTLENGTH, 0, 0)) <= kLongestHeld)
            return;
        Take(hwnd, text);
        return Show(hwnd, text, HeldSelection(hwnd, text).second);
    }
    Sync(hwnd, text);
    const auto [from, to] = HeldSelection(hwnd, text);
    if (text.whole.size() <= kLongestHeld)
        return Show(hwnd, text, text.start + to);
    if (from != to || text.all)
        return;  // a selection is left where it is
    if ((to < kEdge && text.start > 0) ||
        (to + kEdge > text.held.size() && text.start + text.held.size() < text.whole.size()))
        Show(hwnd, text, text.start + to);
}

bool MayChangeOrMove(UINT message)
{
    switch (message) {
    case WM_CHAR:
    case WM_KEYDOWN:
    case WM_LBUTTONUP:
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
    case EM_REPLACESEL: return true;
    default: return false;
    }
}

}  // namespace

LRESULT CALLBACK LongEditProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR)
{
    if (message == WM_NCDESTROY) {
        g_texts.erase(hwnd);
        return DefSubclassProc(hwnd, message, wparam, lparam);
    }
    LongText& text = g_texts[hwnd];
    if (text.raw)
        return DefSubclassProc(hwnd, message, wparam, lparam);
    switch (message) {
    case WM_SETTEXT: {
        const wchar_t* chars = reinterpret_cast<const wchar_t*>(lparam);
        const size_t length = chars != nullptr ? wcslen(chars) : 0;
        if (length <= kLongestHeld) {
            text.active = text.all = false;
            break;
        }
        text.whole.assign(chars, length);
        Show(hwnd, text, 0);
        return TRUE;
    }
    case WM_GETTEXTLENGTH:
        if (!text.active)
            break;
        Sync(hwnd, text);
        return LRESULT(text.whole.size());
    case WM_GETTEXT: {
        if (!text.active)
            break;
        Sync(hwnd, text);
        const size_t n = wparam > 0 ? std::min(text.whole.size(), size_t(wparam) - 1) : 0;
        if (wparam > 0 && lparam != 0) {
            std::memcpy(reinterpret_cast<wchar_t*>(lparam), text.whole.data(), n * sizeof(wchar_t));
            reinterpret_cast<wchar_t*>(lparam)[n] = L'\0';
        }
        return LRESULT(n);
    }
    case EM_SETSEL:
        if (!text.active || wparam != 0 || lparam != -1)
            break;
        Raw(hwnd, text, EM_SETSEL, 0, -1);
        text.all = true;
        return 0;
    case EM_REPLACESEL: {
        const wchar_t* chars = reinterpret_cast<const wchar_t*>(lparam);
        const std::wstring_view with = chars != nullptr ? chars : L"";
        if (!text.active && size_t(Raw(hwnd, text, WM_GETTEXTLENGTH, 0, 0)) + with.size() <= kLongestHeld)
            break;
        Take(hwnd, text);
        Replace(hwnd, text, Selection(hwnd, text), with);
        return 0;
    }
    case WM_PASTE: {
        if (ReadOnly(hwnd))
            return 0;
        const std::wstring line = ClipboardLine(hwnd);
        if (!text.active && size_t(Raw(hwnd, text, WM_GETTEXTLENGTH, 0, 0)) + line.size() <= kLongestHeld)
            break;
        Take(hwnd, text);
        const std::pair<size_t, size_t> range = Selection(hwnd, text);
        const size_t limit = size_t(Raw(hwnd, text, EM_GETLIMITTEXT, 0, 0));
        const size_t room = limit - std::min(limit, text.whole.size() - (range.second - range.first));
        Replace(hwnd, text, range, std::wstring_view(line).substr(0, room));
        Changed(hwnd);
        return 0;
    }
    case WM_COPY:
    case WM_CUT:
    case WM_CLEAR:
        if (!text.active || !AllSelected(hwnd, text))
            break;
        Sync(hwnd, text);
        if (message != WM_CLEAR)
            ToClipboard(hwnd, text.whole);
        if (message != WM_COPY && !ReadOnly(hwnd)) {
            Replace(hwnd, text, {0, text.whole.size()}, L"");
            Changed(hwnd);
        }
        return 0;
    case WM_CHAR:
        if (!text.active)
            break;
        if (wparam == 1) {  // Ctrl+A
            Raw(hwnd, text, EM_SETSEL, 0, -1);
            text.all = true;
            return 0;
        }
        if ((wparam >= L' ' || wparam == L'\b') && AllSelected(hwnd, text) && !ReadOnly(hwnd)) {
            const wchar_t typed = wchar_t(wparam);
            Replace(hwnd, text, {0, text.whole.size()},
                    typed == L'\b' ? std::wstring_view() : std::wstring_view(&typed, 1));
            Changed(hwnd);
            return 0;
        }
        break;
    case WM_KEYDOWN:
        if (!text.active || (GetKeyState(VK_SHIFT) & 0x8000) != 0)
            break;
        if (wparam == VK_HOME || wparam == VK_END) {
            Sync(hwnd, text);
            Show(hwnd, text, wparam == VK_HOME ? 0 : text.whole.size());
            return 0;
        }
        if (wparam == VK_DELETE && AllSelected(hwnd, text) && !ReadOnly(hwnd)) {
            Replace(hwnd, text, {0, text.whole.size()}, L"");
            Changed(hwnd);
            return 0;
        }
        break;
    default: break;
    }
    const LRESULT result = DefSubclassProc(hwnd, message, wparam, lparam);
    if (MayChangeOrMove(message)) {
        // The control may have gone meanwhile.
        const auto found = g_texts.find(hwnd);
        if (found != g_texts.end() && IsWindow(hwnd))
            Follow(hwnd, found->second);
    }
    return result;
}

std::wstring SelectedEditText(HWND edit)
{
    const auto found = g_texts.find(edit);
    if (found == g_texts.end() || !found->second.active) {
        const std::wstring held = WindowText(edit);
        DWORD from = 0, to = 0;
        SendMessageW(edit, EM_GETSEL, WPARAM(&from), LPARAM(&to));
        return from < to && to <= held.size() ? held.substr(from, to - from) : std::wstring();
    }
    LongText& text = found->second;
    Sync(edit, text);
    const auto [from, to] = Selection(edit, text);
    return text.whole.substr(from, to - from);
}
