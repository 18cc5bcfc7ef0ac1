// Tab, Enter, Escape and F1 in a loaded window, once the focused unit has declined the key:
//   Tab / Shift+Tab   the next / previous unit of the focus order, wrapping; a box reached so
//                     has its whole text selected, so what is typed replaces it
//   Enter             what AnswerEnter says: a click, or a move as by Tab
//   Escape            a close request, when the window's Escape-closes is on
//   F1                the window's help file, when F1-opens-help is on
#include "core/frame/Frame.h"

#include "core/frame/FocusOrder.h"
#include "core/frame/FrameState.h"
#include "core/props/WindowProps.h"
#include "core/runtime/EnterKey.h"
#include "core/runtime/EventDispatch.h"
#include "core/runtime/UnitTypeTable.h"
#include "values/Gbk.h"

namespace {

int CodeOf(FrameKey key)
{
    switch (key) {
    case FrameKey::Tab: return kKeyTab;
    case FrameKey::Enter: return kKeyEnter;
    case FrameKey::Escape: return kKeyEscape;
    case FrameKey::F1: return kKeyF1;
    case FrameKey::Other: return 0;
    }
    return 0;
}

bool UnitWantsKey(const RuntimeRecord* unit, FrameKey key)
{
    if (unit == nullptr || unit->object == nullptr)
        return false;
    const auto wants = reinterpret_cast<WantsKeyEntry>(KindEntry(unit->kind, kEntryWantsKey));
    return wants != nullptr && wants(unit->object.get(), CodeOf(key)) != 0;
}

bool WindowSetting(const RuntimeWindow& window, int32_t own)
{
    return OwnPropertyOf(window.records.front(), own).low != 0;
}

void MoveFocus(RuntimeWindow& window, const RuntimeRecord* from, bool forward)
{
    const RuntimeRecord* next = NextInFocusOrder(FocusOrder(window), from, forward);
    if (next == nullptr)
        return;
    Emit({.kind = FrameAction::Kind::Focus,
          .window_id = window.id,
          .unit_id = next->id,
          .select = next->kind == KIND_EDIT_BOX});
    // Someone without a pointer meets a result's working as they Tab to it.
    if (window.additions.notes.on_keyboard_focus != nullptr)
        ShowNoteForKeyboard(window, *next, window.additions.notes.on_keyboard_focus(next->id));
}

bool Enter(RuntimeWindow& window, const RuntimeRecord* focused, KeyModifiers modifiers)
{
    const bool modified = modifiers.shift || modifiers.ctrl || modifiers.alt;
    const EnterAnswer answer = AnswerEnter(window, focused != nullptr ? focused->id : 0, modified);
    switch (answer.action) {
    case EnterAnswer::Action::Click: RaiseEventFromRuntime(window.id, answer.unit, kEventClick); return true;
    case EnterAnswer::Action::MoveFocus: MoveFocus(window, focused, true); return true;
    case EnterAnswer::Action::Nothing: return false;
    }
    return false;
}

bool OpenHelp(const RuntimeWindow& window)
{
    if (!WindowSetting(window, WindowOwn::F1OpensHelp))
        return false;
    const PropertyValue file = OwnPropertyOf(window.records.front(), WindowOwn::HelpFile);
    if (file.data != nullptr && file.size > 0) {
        const std::string gbk(static_cast<const char*>(file.data), file.size);
        Emit({.kind = FrameAction::Kind::OpenHelp, .window_id = window.id, .text = GbkToUtf8(gbk.c_str())});
    }
    return true;
}

}  // namespace

bool FrameKeyDown(uint32_t window_id, uint32_t unit_id, FrameKey key, KeyModifiers modifiers)
{
    const FrameCall call;
    RuntimeWindow* window = FindWindow(window_id);
    if (window == nullptr || !window->loaded || window->records.empty() || key == FrameKey::Other)
        return false;
    const RuntimeRecord* focused = unit_id != 0 && unit_id != window->records.front().id
                                       ? FindRecord(*window, unit_id)
                                       : nullptr;
    if (UnitWantsKey(focused, key))
        return false;
    switch (key) {
    case FrameKey::Tab: MoveFocus(*window, focused, !modifiers.shift); return true;
    case FrameKey::Enter: return Enter(*window, focused, modifiers);
    case FrameKey::Escape:
        if (!WindowSetting(*window, WindowOwn::EscapeCloses))
            return false;
        FrameCloseRequest(window_id);
        return true;
    case FrameKey::F1: return OpenHelp(*window);
    case FrameKey::Other: return false;
    }
    return false;
}
