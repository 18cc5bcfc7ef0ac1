#include "program/FramePolicy.h"

#include "core/props/UnitTypes.h"
#include "program/Groups.h"
#include "program/Notes.h"
#include "program/TabOrder.h"

namespace {

bool IsEnabledButton(const RuntimeWindow& window, uint32_t unit_id)
{
    const RuntimeRecord* record = FindRecord(window, unit_id);
    return record != nullptr && record->kind == KIND_BUTTON && (record->state_flags & kStateDisabled) == 0;
}

}  // namespace

uint32_t EnterClicks(const RuntimeWindow& window, uint32_t focused_unit, bool modified)
{
    if (focused_unit == 0 || modified)
        return 0;
    uint32_t button = focused_unit;
    if (const std::optional<BoxInGroup> box = GroupOfBox(focused_unit))
        button = box->group->button;
    return IsEnabledButton(window, button) ? button : 0;
}

void AddFramePolicy(uint32_t window_id)
{
    RuntimeWindow* window = FindWindow(window_id);
    if (window_id != main_window::kWindow || window == nullptr)
        return;
    const std::span<const uint32_t> order = MainWindowTabOrder();
    window->additions.tab_order.assign(order.begin(), order.end());
    window->additions.enter_clicks = &EnterClicks;
    window->additions.notes = {
        .set_reason = &SetNoteReason,
        .hover = [](uint32_t unit_id) { return NoteHoverText(unit_id); },
        .description = &NoteDescription,
        .edited = &UserChangedBox,
        .on_keyboard_focus = &NoteOnKeyboardFocus,
    };
}
