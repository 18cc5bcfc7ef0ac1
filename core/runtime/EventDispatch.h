#pragma once
// Event dispatch: a unit's event reaches the procedure bound to it in the template, unless
// events are suppressed. Suppression is a counter: building a window or rebuilding a unit
// raises it and lowers it again; a fatal error report raises it (SuppressEvents as its
// before_report hook) and never lowers it, so no procedure runs while the error box is up.
#include <cstdint>

#include "core/KindInterface.h"

// The runtime's notification entry:
//   2008 a = EventRecord*       -> 1 when a procedure ran, else 0
//   2009, 2010                  -> counter up, counter down (never below 0)
//   2024 a = size               -> a new runtime block
// Other numbers answer 0.
intptr_t RuntimeNotify(int32_t number, intptr_t a, intptr_t b);

void SuppressEvents();
void ResumeEvents();
int EventSuppressionCount();

// Raised suppression for a scope (window building, unit rebuilds).
class EventSuppression {
public:
    EventSuppression() { SuppressEvents(); }
    ~EventSuppression() { ResumeEvents(); }
    EventSuppression(const EventSuppression&) = delete;
    EventSuppression& operator=(const EventSuppression&) = delete;
};

// Dispatches one event: 1 when a bound procedure ran (its value, if any, in the record's
// result). An unknown window or unit, or a kind that may not raise events, is fatal.
int DispatchEvent(EventRecord& record);

// Raises an event from the runtime itself (window loading); false when nothing ran.
bool RaiseEventFromRuntime(uint32_t window_id, uint32_t unit_id, int32_t event);

struct EventSource {
    uint32_t window_id = 0;
    uint32_t unit_id = 0;
};
// The unit whose event is being handled; both ids 0 outside a bound procedure.
EventSource CurrentEventSource();
