#pragma once
// The form runtime's mutable state in one object: the window list, the event-suppression
// counter, the unit whose event is being handled, the unit libraries in use and their live
// side. The process has one, made on first use; only the runtime's own functions change it,
// and ClearWindows and the termination sequence empty it again.
#include <vector>

#include "core/runtime/EventDispatch.h"
#include "core/runtime/WindowList.h"

struct LiveUnitAccess;

struct Runtime {
    std::vector<RuntimeWindow> windows;
    int suppression = 0;
    EventSource source;
    std::vector<const LibraryDescriptor*> libraries;
    const LiveUnitAccess* live = nullptr;
};

Runtime& TheRuntime();
