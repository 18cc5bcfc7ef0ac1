#pragma once
// The built-in unit library: the six kinds on Qt widgets, the commands, and the notification
// entry through which the runtime hands the kinds its own entry at start-up.
#include "core/runtime/UnitTypeTable.h"

const LibraryDescriptor& QtLibrary();
