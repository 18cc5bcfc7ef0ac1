#include "faces/win/window/WinNotes.h"

#include <oleacc.h>

#include <algorithm>
#include <string>
#include <vector>

#include "program/Notes.h"
#include "faces/win/window/GdiFonts.h"
#include "faces/win/window/GdiPainting.h"
#include "faces/win/window/WideText.h"
#include "faces/win/window/WinKinds.h"

namespace {

constexpr int kNoteWidth = 360;        // at the factor 1; a longer line breaks
constexpr size_t kLongestLine = 1024;  // characters measured for one line at most
constexpr size_t kTipChars = 1023;     // what a tip keeps of its text (INFOTIPSIZE less its end)

struct WindowTips {
    uint32_t window_id;
    HWND owner;
    HWND hover;  // one tool per unit, its text asked when it shows
    HWND note;   // the tracking tip a note stands in
};

std::vector<WindowTips> g_tips;
uint32_t g_note_window = 0, g_note_unit = 0;  // where the note stands; 0 for none
uint32_t g_measured_window = 0;
std::wstring g_note_text, g_hover_text;  // what the tips show

WindowTips* TipsOf(uint32_t window_id)
{
    const auto at = std::find_if(g_tips.begin(), g_tips.end(),
                                 [&](const WindowTips& tips) { return tips.window_id == window_id; });
    return at != g_tips.end() ? &*at : nullptr;
}

HWND UnitHwndOf(uint32_t window_id, uint32_t unit_id)
{
    RuntimeWindow* window = FindWindow(window_id);
    RuntimeRecord* record = window != nullptr && window->loaded ? FindRecord(*window, unit_id) : nullptr;
    return record != nullptr ? UnitHwnd(*record) : nullptr;
}

// A line of a box's text in the box's own font, and the room a line has in the box.
int LineWidth(uint32_t unit_id, const std::string& utf8)
{
    const HWND box = UnitHwndOf(g_measured_window, unit_id);
    if (box == nullptr)
        return 0;
    HDC dc = GetDC(box);
    HGDIOBJ old = SelectObject(dc, HFONT(SendMessageW(box, WM_GETFONT, 0, 0)));
    const std::wstring text = WideFromUtf8(utf8);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(box, dc);
    return size.cx;
}

int LineRoom(uint32_t unit_id)
{
    const HWND box = UnitHwndOf(g_measured_window, unit_id);
    RECT r{};
    if (box != nullptr)
        SendMessageW(box, EM_GETRECT, 0, LPARAM(&r));
    return r.right - r.left;
}

HFONT NoteFont() { return FontOf(paint::TextFont{}, DpiScale()); }
int NoteWidth() { return int(kNoteWidth * DpiScale()); }

RECT WorkAreaNear(HWND hwnd)
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor.rcWork;
}

// The text as a tip shows it: a line wider than a note is broken where it reaches the edge, and
// what would run past the foot of the screen or the tip's own store is left out, so that a box
// of megabytes makes a screenful of note at about the cost of one. Tooltips only break lines
// between words.
std::wstring Fitted(const std::string& utf8, HWND unit)
{
    const std::wstring text = WideFromUtf8(utf8);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, NoteFont());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    const RECT work = WorkAreaNear(unit);
    const int lines = std::max(1, int((work.bottom - work.top) / std::max(1L, metrics.tmHeight)) - 1);
    std::wstring fitted;
    size_t at = 0;
    for (int line = 0; line < lines && at <= text.size(); ++line) {
        const size_t end = std::min(text.find(L'\n', at), text.size());
        const size_t length = std::min(end - at, kLongestLine);
        const std::vector<int> ends = DrawnEnds(dc, std::wstring_view(text).substr(at, length),
                                                paint::TextFont{}, DpiScale());
        size_t fit = size_t(std::upper_bound(ends.begin(), ends.end(), NoteWidth()) - ends.begin());
        fit = std::clamp(fit, std::min<size_t>(length, 1), length);
        if (fit < length && fit > 1 && IS_HIGH_SURROGATE(text[at + fit - 1]))
            --fit;
        if (fitted.size() + fit + 2 > kTipChars)
            break;
        if (line > 0)
            fitted += L'\n';
        fitted.append(text, at, fit);
        at += fit;
        if (at == end)
            ++at;  // past the line's own break
    }
    if (at < text.size())
        fitted += L'\x2026';
    ReleaseDC(nullptr, dc);
    return fitted;
}

// A tip sizes itself by GDI's measure of its text and cuts its drawing there, but the
// stand-in's strikes draw wider than that ("除以 0 或过小的数" lost its 数): the room the widest
// drawn line needs beyond it is the tip's right margin, and the tip draws into it unclipped
// (HandleNoteNotify).
void MakeRoom(HWND tip, const std::wstring& text)
{
    HDC dc = GetDC(nullptr);
    int drawn = 0, measured = 0;
    for (size_t at = 0; at <= text.size();) {
        const size_t end = std::min(text.find(L'\n', at), text.size());
        const std::wstring_view line = std::wstring_view(text).substr(at, end - at);
        const std::vector<int> ends = DrawnEnds(dc, line, paint::TextFont{}, DpiScale());
        drawn = std::max(drawn, ends.empty() ? 0 : ends.back());
        HGDIOBJ old = SelectObject(dc, NoteFont());
        SIZE size{};
        GetTextExtentPoint32W(dc, line.data(), int(line.size()), &size);
        SelectObject(dc, old);
        measured = std::max(measured, int(size.cx));
        at = end + 1;
    }
    ReleaseDC(nullptr, dc);
    RECT margin{0, 0, std::max(0, drawn - measured), 0};
    SendMessageW(tip, TTM_SETMARGIN, 0, LPARAM(&margin));
}

HWND MakeTip(HWND owner, DWORD style)
{
    HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | style,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    // Fitted() has broken the lines already; the tip is not to break them again.
    SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, 2 * NoteWidth());
    // The system's tip font may have no Chinese; the notes are in the window's own font.
    SendMessageW(tip, WM_SETFONT, WPARAM(NoteFont()), FALSE);
    return tip;
}

TTTOOLINFOW NoteTool(const WindowTips& tips)
{
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    // Transparent: the pointer passes through a note to what is under it.
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE | TTF_TRANSPARENT;
    tool.hwnd = tips.owner;
    tool.uId = 1;
    return tool;
}

// Moves the note to the side of the unit, a note of `size`, within the screen's work area.
void Place(HWND tip, TTTOOLINFOW& tool, HWND unit, NoteSide side, SIZE size)
{
    RECT r{};
    GetWindowRect(unit, &r);
    POINT at{r.left, r.bottom};
    switch (side) {
    case NoteSide::Below: break;
    case NoteSide::Above: at.y = r.top - size.cy; break;
    case NoteSide::Right: at = {r.right, r.top}; break;
    case NoteSide::Left: at = {r.left - size.cx, r.top}; break;
    }
    const RECT work = WorkAreaNear(unit);
    at.x = std::max(work.left, std::min(at.x, work.right - size.cx));
    at.y = std::max(work.top, std::min(at.y, work.bottom - size.cy));
    SendMessageW(tip, TTM_TRACKPOSITION, 0, MAKELPARAM(at.x, at.y));
    SendMessageW(tip, TTM_TRACKACTIVATE, TRUE, LPARAM(&tool));
}

void ActivateHoverTips(bool active)
{
    for (const WindowTips& tips : g_tips)
        SendMessageW(tips.hover, TTM_ACTIVATE, active, 0);
}

void TakeNoteDown()
{
    if (WindowTips* tips = TipsOf(g_note_window)) {
        TTTOOLINFOW tool = NoteTool(*tips);
        SendMessageW(tips->note, TTM_TRACKACTIVATE, FALSE, LPARAM(&tool));
    }
    g_note_window = g_note_unit = 0;
    ActivateHoverTips(true);
}

IAccPropServices* Annotations()
{
    static IAccPropServices* services = [] {
        IAccPropServices* made = nullptr;
        if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_IAccPropServices, reinterpret_cast<void**>(&made))))
            made = nullptr;
        return made;
    }();
    return services;
}

}  // namespace

void PrepareNotes(RuntimeWindow& window, HWND owner)
{
    ForgetNotes(window.id);
    WindowTips tips{window.id, owner, MakeTip(owner, TTS_ALWAYSTIP), MakeTip(owner, 0)};
    SendMessageW(tips.hover, TTM_SETDELAYTIME, TTDT_AUTOPOP, kNoteMilliseconds);
    for (RuntimeRecord& record : window.records) {
        const HWND unit = UnitHwnd(record);
        if (unit == nullptr || unit == owner)
            continue;
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = owner;
        tool.uId = UINT_PTR(unit);
        tool.lpszText = LPSTR_TEXTCALLBACKW;
        SendMessageW(tips.hover, TTM_ADDTOOLW, 0, LPARAM(&tool));
    }
    TTTOOLINFOW tool = NoteTool(tips);
    tool.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(tips.note, TTM_ADDTOOLW, 0, LPARAM(&tool));
    SendMessageW(tips.hover, TTM_ACTIVATE, g_note_unit == 0, 0);
    g_tips.push_back(tips);
}

void RescaleNotes()
{
    for (const WindowTips& tips : g_tips) {
        for (HWND tip : {tips.hover, tips.note}) {
            SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, 2 * NoteWidth());
            SendMessageW(tip, WM_SETFONT, WPARAM(NoteFont()), FALSE);
        }
    }
}

void ForgetNotes(uint32_t window_id)
{
    if (g_note_window == window_id)
        TakeNoteDown();
    std::erase_if(g_tips, [&](const WindowTips& tips) {
        if (tips.window_id != window_id)
            return false;
        // Gone already when their owner went first.
        for (HWND tip : {tips.hover, tips.note}) {
            if (IsWindow(tip))
                DestroyWindow(tip);
        }
        return true;
    });
}

void MeasureNotesIn(uint32_t window_id)
{
    g_measured_window = window_id;
    SetNoteMeasure({&LineWidth, &LineRoom});
}

void ShowNote(const FrameAction& action)
{
    TakeNoteDown();
    WindowTips* tips = TipsOf(action.window_id);
    const HWND unit = UnitHwndOf(action.window_id, action.unit_id);
    if (tips == nullptr || unit == nullptr)
        return;
    ActivateHoverTips(false);
    g_note_text = Fitted(action.text, unit);
    MakeRoom(tips->note, g_note_text);
    TTTOOLINFOW tool = NoteTool(*tips);
    tool.lpszText = g_note_text.data();
    SendMessageW(tips->note, TTM_UPDATETIPTEXTW, 0, LPARAM(&tool));
    const LRESULT bubble = SendMessageW(tips->note, TTM_GETBUBBLESIZE, 0, LPARAM(&tool));
    Place(tips->note, tool, unit, action.side, {LOWORD(bubble), HIWORD(bubble)});
    // The tip's border is its own: once it shows, its real size places it.
    RECT shown{};
    GetWindowRect(tips->note, &shown);
    Place(tips->note, tool, unit, action.side, {shown.right - shown.left, shown.bottom - shown.top});
    g_note_window = action.window_id;
    g_note_unit = action.unit_id;
}

void HideNote(const FrameAction& action)
{
    if (g_note_unit != 0 && action.window_id == g_note_window && action.unit_id == g_note_unit)
        TakeNoteDown();
}

void Describe(const FrameAction& action)
{
    const HWND unit = UnitHwndOf(action.window_id, action.unit_id);
    IAccPropServices* services = unit != nullptr ? Annotations() : nullptr;
    if (services == nullptr)
        return;
    if (action.text.empty()) {
        MSAAPROPID property = PROPID_ACC_DESCRIPTION;
        services->ClearHwndProps(unit, DWORD(OBJID_CLIENT), CHILDID_SELF, &property, 1);
    } else {
        services->SetHwndPropStr(unit, DWORD(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                                 WideFromUtf8(action.text).c_str());
    }
}

bool HandleNoteNotify(NMHDR* header, LRESULT& result)
{
    if (header == nullptr || (header->code != TTN_GETDISPINFOW && header->code != NM_CUSTOMDRAW))
        return false;
    const auto tips = std::find_if(g_tips.begin(), g_tips.end(), [&](const WindowTips& one) {
        return one.hover == header->hwndFrom || one.note == header->hwndFrom;
    });
    if (tips == g_tips.end())
        return false;
    if (header->code == NM_CUSTOMDRAW) {
        auto* draw = reinterpret_cast<NMTTCUSTOMDRAW*>(header);
        if (draw->nmcd.dwDrawStage == CDDS_PREPAINT)
            draw->uDrawFlags |= DT_NOCLIP;  // into the room MakeRoom left
        result = CDRF_DODEFAULT;
        return true;
    }
    if (tips->hover != header->hwndFrom)
        return false;
    uint32_t window_id = 0, unit_id = 0;
    const HWND unit = HWND(header->idFrom);
    g_hover_text = UnitOfHwnd(unit, window_id, unit_id) && window_id == tips->window_id
                       ? Fitted(UnitHoverText(window_id, unit_id), unit)
                       : std::wstring();
    MakeRoom(tips->hover, g_hover_text);  // the tip sizes itself after this
    reinterpret_cast<NMTTDISPINFOW*>(header)->lpszText = g_hover_text.data();
    result = 0;
    return true;
}
