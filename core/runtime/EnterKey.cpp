#include "core/runtime/EnterKey.h"

#include "core/props/ButtonProps.h"
#include "core/props/WindowProps.h"
#include "core/runtime/UnitTypeTable.h"

namespace {

bool IsEnabledDefaultButton(const RuntimeRecord& record)
{
    return record.kind == KIND_BUTTON && (record.state_flags & kStateDisabled) == 0 &&
           OwnPropertyOf(record, ButtonOwn::DefaultButton).low == 1;
}

}  // namespace

PropertyValue OwnPropertyOf(const RuntimeRecord& record, int32_t own)
{
    PropertyValue value;
    const auto get = reinterpret_cast<GetPropertyEntry>(KindEntry(record.kind, kEntryGetProperty));
    if (record.object == nullptr || get == nullptr || get(record.object.get(), own, &value) != 1)
        return {};
    return value;
}

EnterAnswer AnswerEnter(RuntimeWindow& window, uint32_t focused_unit, bool modified)
{
    using Action = EnterAnswer::Action;
    if (window.records.empty())
        return {};
    if (window.additions.enter_clicks != nullptr) {
        if (const uint32_t button = window.additions.enter_clicks(window, focused_unit, modified); button != 0)
            return {Action::Click, button};
    }
    const RuntimeRecord* focused = focused_unit != 0 ? FindRecord(window, focused_unit) : nullptr;
    if (focused != nullptr && IsEnabledDefaultButton(*focused))
        return {Action::Click, focused->id};
    if (OwnPropertyOf(window.records.front(), WindowOwn::EnterMovesFocus).low != 0)
        return {Action::MoveFocus, 0};
    for (const RuntimeRecord& record : window.records) {
        if (IsEnabledDefaultButton(record))
            return {Action::Click, record.id};
    }
    return {};
}
