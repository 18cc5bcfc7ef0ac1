#pragma once
// How a unit raises its events: it builds an event record and hands it to the runtime's
// notification entry (notification 2008), which the runtime installs once at start-up. Until
// then, and in tests that install none, events go nowhere.
#include <cstdint>
#include <initializer_list>

#include "core/KindInterface.h"

// The ids a unit raises its events with; they never change while the unit lives.
struct UnitIds {
    uint32_t window_id = 0;
    uint32_t unit_id = 0;
};

void SetUnitRuntimeEntry(RuntimeEntry entry);
RuntimeEntry UnitRuntimeEntry();

// Raises an event and returns the record as the dispatcher left it (has_result, result). The
// handler may destroy the raising widget: callers guard themselves with QPointer.
EventRecord RaiseUnitEvent(UnitIds ids, int32_t event, std::initializer_list<uint32_t> args = {});
