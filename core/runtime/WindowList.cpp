#include "core/runtime/WindowList.h"

#include <algorithm>
#include <utility>

#include "core/runtime/Runtime.h"

std::vector<RuntimeWindow>& Windows() { return TheRuntime().windows; }

RuntimeWindow* FindWindow(uint32_t window_id)
{
    for (RuntimeWindow& window : Windows()) {
        if (window.id == window_id)
            return &window;
    }
    return nullptr;
}

const RuntimeRecord* FindRecord(const RuntimeWindow& window, uint32_t unit_id)
{
    if (window.records.empty())
        return nullptr;
    if (unit_id == 0)
        return &window.records.front();
    for (const RuntimeRecord& record : window.records) {
        if (record.id == unit_id)
            return &record;
    }
    return nullptr;
}

RuntimeRecord* FindRecord(RuntimeWindow& window, uint32_t unit_id)
{
    return const_cast<RuntimeRecord*>(FindRecord(std::as_const(window), unit_id));
}

void ClearWindows()
{
    for (RuntimeWindow& window : Windows()) {
        for (size_t i = window.records.size(); i-- > 0;)
            window.records[i].object.reset();
    }
    Windows().clear();
}

std::vector<RuntimeRecord*> TabOrder(RuntimeWindow& window)
{
    std::vector<RuntimeRecord*> order;
    if (!window.additions.tab_order.empty()) {
        for (uint32_t unit_id : window.additions.tab_order) {
            if (RuntimeRecord* record = unit_id != 0 ? FindRecord(window, unit_id) : nullptr)
                order.push_back(record);
        }
        return order;
    }
    for (size_t i = window.records.size(); i-- > 1;) {
        if ((window.records[i].state_flags & kStateTabStop) != 0)
            order.push_back(&window.records[i]);
    }
    std::stable_sort(order.begin(), order.end(), [](const RuntimeRecord* a, const RuntimeRecord* b) {
        return a->focus_rank < b->focus_rank;
    });
    return order;
}

RuntimeRecord* NextInFocusOrder(const std::vector<RuntimeRecord*>& order, const RuntimeRecord* from,
                                bool forward)
{
    if (order.empty())
        return nullptr;
    const auto at = std::find(order.begin(), order.end(), from);
    if (at == order.end())
        return order.front();
    const size_t index = size_t(at - order.begin());
    return order[forward ? (index + 1) % order.size() : (index + order.size() - 1) % order.size()];
}
