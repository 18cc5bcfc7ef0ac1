#pragma once
// The six unit kinds on the page, as the built-in library the form runtime takes into use.
// Each unit keeps its property set, answers and stores its own properties by number through
// it, and shows itself as one element of the page, built again when a property changes. What
// the user types lives in the element, so an edit box reads its text from there.
#include <cstdint>

#include "core/runtime/UnitPropertyAccess.h"
#include "core/runtime/UnitTypeTable.h"

const LibraryDescriptor& PageLibrary();

// Raises a unit's event as the user caused it on the page (a click): true when a procedure
// ran, false for a unit that is not live on the page or an event bound to nothing.
bool RaisePageEvent(uint32_t unit_id, int32_t event);
