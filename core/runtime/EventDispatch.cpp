#include "core/runtime/EventDispatch.h"

#include <algorithm>

#include "core/runtime/Runtime.h"
#include "core/runtime/RuntimeErrors.h"
#include "core/runtime/UnitTypeTable.h"
#include "core/runtime/WindowList.h"
#include "values/Blocks.h"
#include "values/RuntimeError.h"

namespace {

// The record whose bindings serve an event of record: follow the event-owner field while
// it names a record of the same kind. A chain can loop in a damaged template, so it is
// followed at most once around the window.
const RuntimeRecord& BindingOwner(RuntimeWindow& window, const RuntimeRecord& record)
{
    const RuntimeRecord* owner = &record;
    for (size_t steps = 0; owner->event_owner != 0 && steps < window.records.size(); ++steps) {
        const RuntimeRecord* next = FindRecord(window, owner->event_owner);
        if (next == nullptr || next->kind != owner->kind)
            break;
        owner = next;
    }
    return *owner;
}

Procedure BoundProcedure(const RuntimeRecord& owner, int32_t event)
{
    if (owner.IsMenuItem())
        return owner.procedures.empty() ? nullptr : owner.procedures.front();
    for (size_t i = 0; i < owner.bindings.size() && i < owner.procedures.size(); ++i) {
        if (owner.bindings[i].event == event)
            return owner.procedures[i];
    }
    return nullptr;
}

}  // namespace

void SuppressEvents() { ++TheRuntime().suppression; }

void ResumeEvents()
{
    if (TheRuntime().suppression > 0)
        --TheRuntime().suppression;
}

int EventSuppressionCount() { return TheRuntime().suppression; }

EventSource CurrentEventSource() { return TheRuntime().source; }

int DispatchEvent(EventRecord& event)
{
    if (TheRuntime().suppression > 0)
        return 0;
    RuntimeWindow* window = FindWindow(event.window_id);
    if (window == nullptr)
        ReportRuntimeError(runtime_errors::kEventWindowMissing, 0);
    const RuntimeRecord* record = FindRecord(*window, event.unit_id);
    if (record == nullptr)
        ReportRuntimeError(runtime_errors::kEventUnitMissing, 0);
    const RuntimeRecord& owner = BindingOwner(*window, *record);
    if ((KindFlags(record->kind) & kKindMayRaiseEvents) == 0)
        ReportRuntimeError(runtime_errors::kEventUnitInvalid, 0);

    const Procedure procedure = BoundProcedure(owner, event.event);
    if (procedure == nullptr)
        return 0;
    // The source names the running procedure's unit and is cleared when it returns, also
    // when it was a nested event raised by an outer procedure's property write: the outer
    // procedure then runs on with no source.
    TheRuntime().source = {event.window_id, record->id};
    const int32_t count = std::clamp(event.arg_count, 0, 5);
    const ProcedureResult result = procedure(event.args, count);
    TheRuntime().source = {};
    if (result.has_value) {
        event.has_result = 1;
        event.result = result.value;
    }
    return 1;
}

bool RaiseEventFromRuntime(uint32_t window_id, uint32_t unit_id, int32_t event)
{
    EventRecord record;
    record.window_id = window_id;
    record.unit_id = unit_id;
    record.event = event;
    return DispatchEvent(record) == 1;
}

intptr_t RuntimeNotify(int32_t number, intptr_t a, intptr_t /*b*/)
{
    switch (number) {
    case kNotifyRaiseEvent: return a != 0 ? DispatchEvent(*reinterpret_cast<EventRecord*>(a)) : 0;
    case kNotifySuppressEvents: SuppressEvents(); return 0;
    case kNotifyResumeEvents: ResumeEvents(); return 0;
    case kNotifyAllocateBlock: return reinterpret_cast<intptr_t>(AllocateBlock(uint32_t(a)));
    default: return 0;
    }
}
