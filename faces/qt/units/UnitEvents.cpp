#include "faces/qt/units/UnitEvents.h"

namespace {

RuntimeEntry g_runtime_entry = nullptr;

}  // namespace

void SetUnitRuntimeEntry(RuntimeEntry entry) { g_runtime_entry = entry; }

RuntimeEntry UnitRuntimeEntry() { return g_runtime_entry; }

EventRecord RaiseUnitEvent(UnitIds ids, int32_t event, std::initializer_list<uint32_t> args)
{
    EventRecord record;
    record.window_id = ids.window_id;
    record.unit_id = ids.unit_id;
    record.event = event;
    for (uint32_t arg : args) {
        if (record.arg_count == 5)
            break;
        record.args[record.arg_count++] = arg;
    }
    if (g_runtime_entry)
        g_runtime_entry(kNotifyRaiseEvent, reinterpret_cast<intptr_t>(&record), 0);
    return record;
}
