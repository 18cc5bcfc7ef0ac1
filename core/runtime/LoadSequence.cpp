#include "core/runtime/LoadSequence.h"

#include "core/props/KindProps.h"

#include "core/runtime/EventDispatch.h"
#include "core/runtime/RuntimeErrors.h"
#include "core/runtime/UnitTypeTable.h"
#include "values/RuntimeError.h"

namespace {

constexpr int32_t kFirstControlId = 100;
constexpr int32_t kControlIdStep = 10;

bool Create(RuntimeWindow& window, RuntimeRecord& record, FaceHandle parent, bool top_level,
            int32_t control_id, const LoadSurface& surface)
{
    // Every face refuses a unit whose stored properties do not read, so a damaged template fails
    // the load alike everywhere instead of showing defaults on some.
    const auto create = reinterpret_cast<CreateEntry>(KindEntry(record.kind, kEntryCreate));
    if (create == nullptr || !PropertyDataReads(record.kind, record.property_data))
        return false;
    CreateArgs args = UnitCreateArgs(window, record, record.property_data, CreationStyle(record, top_level));
    args.parent = parent;
    args.control_id = control_id;
    record.object.reset(create(args));
    record.control_id = control_id;
    record.on_hidden_page = false;
    return record.object != nullptr && surface.is_live(record);
}

// The window from record 0, then the units from the last record back, with control ids
// 100, 110, 120, ... in that order.
bool CreateAll(RuntimeWindow& window, const LoadSurface& surface)
{
    RuntimeRecord& own = window.records.front();
    if (!Create(window, own, nullptr, true, 0, surface))
        return false;
    FaceHandle parent = surface.units_parent != nullptr ? surface.units_parent(own) : nullptr;
    int32_t control_id = kFirstControlId;
    for (size_t i = window.records.size() - 1; i >= 1; --i) {
        RuntimeRecord& record = window.records[i];
        if (record.IsMenuItem())
            continue;
        if (!Create(window, record, parent, false, control_id, surface))
            return false;
        control_id += kControlIdStep;
    }
    return true;
}

// Units inside other units move into them at their stored place; the units after the first
// page break of a paged container start on a hidden page.
void Reparent(RuntimeWindow& window, const LoadSurface& surface)
{
    if (surface.place_inside != nullptr) {
        for (size_t i = 1; i < window.records.size(); ++i) {
            RuntimeRecord& record = window.records[i];
            const RuntimeRecord* container = record.parent_id != 0 ? FindRecord(window, record.parent_id)
                                                                   : nullptr;
            if (container != nullptr && container != &record && container->object != nullptr &&
                record.object != nullptr)
                surface.place_inside(record, *container);
        }
    }
    for (const RuntimeRecord& container : window.records) {
        if ((KindFlags(container.kind) & kKindPagedContainer) == 0)
            continue;
        bool hidden_page = false;
        for (uint32_t child : container.children) {
            if (child == 0)
                hidden_page = true;
            else if (RuntimeRecord* unit = FindRecord(window, child); unit != nullptr && hidden_page)
                unit->on_hidden_page = true;
        }
    }
}

// Among siblings the first record is on top and each later one directly below: raised from
// the last record back.
void OrderSiblings(RuntimeWindow& window, const LoadSurface& surface)
{
    if (surface.raise == nullptr)
        return;
    for (size_t i = window.records.size() - 1; i >= 1; --i) {
        if (window.records[i].object != nullptr)
            surface.raise(window.records[i]);
    }
}

void ShowUnits(RuntimeWindow& window, const LoadSurface& surface)
{
    if (surface.show_unit == nullptr)
        return;
    for (size_t i = 1; i < window.records.size(); ++i) {
        RuntimeRecord& record = window.records[i];
        if (record.object != nullptr)
            surface.show_unit(record, (record.state_flags & kStateVisible) != 0 && MayShow(record));
    }
}

bool IsLive(uint32_t window_id, const LoadSurface& surface)
{
    RuntimeWindow* window = FindWindow(window_id);
    return window != nullptr && !window->records.empty() && window->records.front().object != nullptr &&
           surface.is_live(window->records.front());
}

}  // namespace

bool MayShow(const RuntimeRecord& record)
{
    const bool created_hidden = (KindFlags(record.kind) & kKindCreatedHidden) != 0;
    return !created_hidden && !record.on_hidden_page;
}

void ReleaseWindow(RuntimeWindow& window)
{
    for (size_t i = window.records.size(); i-- > 0;)
        window.records[i].object.reset();
    window.loaded = false;
}

bool LoadWindow(uint32_t window_id, const LoadSurface& surface)
{
    RuntimeWindow* window = FindWindow(window_id);
    if (window == nullptr || window->records.empty())
        return false;
    if (IsLive(window_id, surface)) {
        if (surface.bring_forward != nullptr)
            surface.bring_forward(window->records.front());
        return true;
    }

    // No procedure may see a half-built window: every event stays suppressed until the units
    // are created, placed, stacked and shown.
    {
        EventSuppression building;
        if (!CreateAll(*window, surface)) {
            ReleaseWindow(*window);
            return false;
        }
        Reparent(*window, surface);
        OrderSiblings(*window, surface);
        ShowUnits(*window, surface);
        if (surface.built != nullptr)
            surface.built(*window);
    }

    // A procedure bound to one of these may close the window; what follows needs it alive.
    for (int32_t event : {kEventLoaded, kEventMoved, kEventResized}) {
        if (!IsLive(window_id, surface))
            return true;
        RaiseEventFromRuntime(window_id, 0, event);
    }
    if (!IsLive(window_id, surface))
        return true;
    if ((window->records.front().state_flags & kStateVisible) != 0 && surface.show_window != nullptr)
        surface.show_window(*window);
    window->loaded = true;
    return true;
}

void LoadWindowOrFail(uint32_t window_id, const LoadSurface& surface)
{
    if (!LoadWindow(window_id, surface))
        ReportRuntimeError(runtime_errors::kStartupWindowFailed, 0);
}
