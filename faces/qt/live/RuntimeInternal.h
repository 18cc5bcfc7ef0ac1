#pragma once
// Runtime pieces shared between its own files.
#include <QCursor>

#include <cstdint>
#include <vector>

#include "core/runtime/LoadSequence.h"

// Rebuilds a unit whose set entry asked for it: the saved properties make a new unit of the
// same kind in the old one's place (parent, geometry, control id, state, z-order, children
// and focus kept). Events stay suppressed meanwhile. The old unit stays when creation fails.
void RebuildUnit(RuntimeWindow& window, RuntimeRecord& record);

// The cursor for stored pointer data. Empty data or a first word of 0 is the default arrow;
// a first word n from 1 to 21 is the n-th of the standard shapes in Qt's order.
QCursor CursorFromPointerData(const std::vector<uint8_t>& data);
