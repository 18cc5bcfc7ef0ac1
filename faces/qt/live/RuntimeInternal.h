#pragma once
// Runtime pieces shared between its own files.
#include <QCursor>

#include <cstdint>
#include <vector>

#include "core/runtime/LoadSequence.h"
#include "core/runtime/UnitPropertyAccess.h"

// A rebuild's two widget steps (the runtime's RebuildUnit runs them): where the widget stands,
// and the new one put in its place (stacking, children, cursor, visibility and focus kept).
bool PlaceOfWidget(const RuntimeRecord& record, UnitPlace& place);
void PutWidgetInPlace(RuntimeWindow& window, RuntimeRecord& record, Unit* fresh, const UnitPlace& place);

// The cursor for stored pointer data. Empty data or a first word of 0 is the default arrow;
// a first word n from 1 to 21 is the n-th of the standard shapes in Qt's order.
QCursor CursorFromPointerData(const std::vector<uint8_t>& data);
