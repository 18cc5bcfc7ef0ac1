#pragma once
// The live side of the property services on the desktop: the common properties read from and
// shown on the units' widgets, and rebuilds. The built-in library installs it at start-up.
#include "core/runtime/UnitPropertyAccess.h"

const LiveUnitAccess& WidgetUnitAccess();
