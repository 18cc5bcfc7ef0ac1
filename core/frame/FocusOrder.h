#pragma once
// The units Tab visits now: the window's Tab order less the units that are not live, hidden
// (by their own visible bit or a container's) or disabled. The records know all of that on
// every face, since a common-property write updates the record before the unit.
#include <vector>

#include "core/runtime/WindowList.h"

std::vector<RuntimeRecord*> FocusOrder(RuntimeWindow& window);

// Whether the record's unit shows: live and visible, and so is every container around it.
bool IsShown(RuntimeWindow& window, const RuntimeRecord& record);
