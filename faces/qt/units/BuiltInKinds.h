#pragma once
// The interface functions of the six unit kinds: each hands out the kind's entries by
// number (KindEntryNumber; only EditBox has kEntryWantsKey), null for any other.
#include <cstdint>

#include "core/KindInterface.h"

AnyEntry WindowInterface(int32_t number);
AnyEntry EditBoxInterface(int32_t number);
AnyEntry LabelInterface(int32_t number);
AnyEntry ButtonInterface(int32_t number);
AnyEntry ShapeBoxInterface(int32_t number);
AnyEntry PicBoxInterface(int32_t number);
