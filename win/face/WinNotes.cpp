#include "win/face/WinNotes.h"

#include <string>

#include "win/face/GdiPainting.h"
#include "core/frame/Frame.h"
#include "program/Notes.h"
#include "win/face/WideText.h"
#include "win/face/WinKinds.h"

namespace {

constexpr UINT_PTR kNoteTimer = 0x4E6F;
constexpr int kTipWidth = 360;

HWND g_owner = nullptr;
HWND g_hover_tips = nullptr;  // one tool per box, its text asked when it shows
HWND g_reason_tip = nullptr;  // the tracking tip a reason shows in
uint32_t g_window_id = 0;
uint32_t g_reason_unit = 0;  // the box whose reason shows, 0 for none

HWND BoxHwnd(uint32_t unit_id)
{
    RuntimeWindow* window = FindWindow(g_window_id);
    RuntimeRecord* record = window != nullptr && window->loaded ? FindRecord(*window, unit_id) : nullptr;
    return record != nullptr ? UnitHwnd(*record) : nullptr;
}

// A line of the box's text in the box's own font, in the box's pixels.
int LineWidth(uint32_t unit_id, const std::string& utf8)
{
    const HWND box = BoxHwnd(unit_id);
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
    const HWND box = BoxHwnd(unit_id);
    RECT r{};
    if (box != nullptr)
        SendMessageW(box, EM_GETRECT, 0, LPARAM(&r));
    return r.right - r.left;
}

constexpr NoteMeasure kMeasure{&LineWidth, &LineRoom};

HWND MakeTip(DWORD style)
{
    HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | style,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, g_owner, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, kTipWidth);
    // The system's tip font may have no Chinese; the notes are in the window's own font.
    SendMessageW(tip, WM_SETFONT, WPARAM(FontOf(paint::TextFont{}, DpiScale())), FALSE);
    return tip;
}

TTTOOLINFOW ReasonTool()
{
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = g_owner;
    tool.uId = 1;
    return tool;
}

void TakeReasonDown()
{
    if (g_reason_tip == nullptr)
        return;
    TTTOOLINFOW tool = ReasonTool();
    SendMessageW(g_reason_tip, TTM_TRACKACTIVATE, FALSE, LPARAM(&tool));
    KillTimer(g_owner, kNoteTimer);
    g_reason_unit = 0;
}

}  // namespace

void PrepareNotes(RuntimeWindow& window, HWND owner)
{
    HideNotes();
    g_owner = owner;
    g_window_id = window.id;
    g_hover_tips = MakeTip(TTS_ALWAYSTIP);
    SendMessageW(g_hover_tips, TTM_SETDELAYTIME, TTDT_AUTOPOP, kNoteMilliseconds);
    for (RuntimeRecord& record : window.records) {
        const HWND box = UnitHwnd(record);
        if (box == nullptr || !HasNotes(record.id))
            continue;
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = owner;
        tool.uId = UINT_PTR(box);
        tool.lpszText = LPSTR_TEXTCALLBACKW;
        SendMessageW(g_hover_tips, TTM_ADDTOOLW, 0, LPARAM(&tool));
    }
    g_reason_tip = MakeTip(0);
    TTTOOLINFOW tool = ReasonTool();
    tool.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(g_reason_tip, TTM_ADDTOOLW, 0, LPARAM(&tool));
}

void ShowUnitNote(uint32_t window_id, uint32_t unit_id, const char* gbk)
{
    const HWND box = window_id == g_window_id ? BoxHwnd(unit_id) : nullptr;
    if (box == nullptr || !HasNotes(unit_id))
        return;
    const bool stands = SetNoteReason(unit_id, gbk);
    if (!stands || !IsWindowVisible(box)) {
        if (g_reason_unit == unit_id)
            TakeReasonDown();
        return;
    }
    const std::wstring text = WideFromUtf8(NoteHoverText(unit_id, kMeasure));
    TTTOOLINFOW tool = ReasonTool();
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(g_reason_tip, TTM_UPDATETIPTEXTW, 0, LPARAM(&tool));
    RECT r{};
    GetWindowRect(box, &r);
    SendMessageW(g_reason_tip, TTM_TRACKPOSITION, 0, MAKELPARAM(r.left, r.bottom));
    SendMessageW(g_reason_tip, TTM_TRACKACTIVATE, TRUE, LPARAM(&tool));
    g_reason_unit = unit_id;
    SetTimer(g_owner, kNoteTimer, kNoteMilliseconds, nullptr);
}

void BoxChangedByUser(uint32_t window_id, uint32_t unit_id)
{
    if (window_id != g_window_id)
        return;
    for (uint32_t noted : UserChangedBox(unit_id)) {
        if (noted == g_reason_unit)
            TakeReasonDown();
    }
}

void HideNotes()
{
    TakeReasonDown();
    for (HWND* tip : {&g_hover_tips, &g_reason_tip}) {
        if (*tip != nullptr)
            DestroyWindow(*tip);
        *tip = nullptr;
    }
}

bool HandleNoteNotify(NMHDR* header, LRESULT& result)
{
    if (header == nullptr || header->hwndFrom != g_hover_tips || header->code != TTN_GETDISPINFOW)
        return false;
    static std::wstring text;
    auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
    uint32_t window_id = 0, unit_id = 0;
    text.clear();
    if (UnitOfHwnd(HWND(header->idFrom), window_id, unit_id) && window_id == g_window_id)
        text = WideFromUtf8(NoteHoverText(unit_id, kMeasure));
    info->lpszText = text.data();
    result = 0;
    return true;
}

bool HandleNoteTimer(WPARAM timer)
{
    if (timer != kNoteTimer)
        return false;
    TakeReasonDown();
    return true;
}
