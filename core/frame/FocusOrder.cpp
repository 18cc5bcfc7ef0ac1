#include "core/frame/FocusOrder.h"

#include "core/frame/Frame.h"
#include "core/runtime/LoadSequence.h"

bool IsShown(RuntimeWindow& window, const RuntimeRecord& record)
{
    const RuntimeRecord* at = &record;
    for (int depth = 0; at != nullptr && depth < 64; ++depth) {
        if (at->object == nullptr || (at->state_flags & kStateVisible) == 0 || !MayShow(*at))
            return false;
        at = at->parent_id != 0 ? FindRecord(window, at->parent_id) : nullptr;
    }
    return true;
}

std::vector<RuntimeRecord*> FocusOrder(RuntimeWindow& window)
{
    std::vector<RuntimeRecord*> order = TabOrder(window);
    std::erase_if(order, [&](const RuntimeRecord* record) {
        return (record->state_flags & kStateDisabled) != 0 || !IsShown(window, *record);
    });
    return order;
}

uint32_t FirstFocusUnit(uint32_t window_id)
{
    RuntimeWindow* window = FindWindow(window_id);
    if (window == nullptr)
        return 0;
    const std::vector<RuntimeRecord*> order = FocusOrder(*window);
    return order.empty() ? 0 : order.front()->id;
}
