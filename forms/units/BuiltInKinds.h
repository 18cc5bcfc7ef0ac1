#pragma once
// The interface functions of the six unit kinds: each hands out the kind's entries by
// number (1 create, 4 set, 5 save, 6 get; 8 wants-key for EditBox), null for any other.
//   reinterpret_cast<CreateEntry>(EditBoxInterface(1))(args) -> a new EditBox unit
#include <cstdint>

#include "forms/KindInterface.h"

AnyEntry WindowInterface(int32_t number);
AnyEntry EditBoxInterface(int32_t number);
AnyEntry LabelInterface(int32_t number);
AnyEntry ButtonInterface(int32_t number);
AnyEntry ShapeBoxInterface(int32_t number);
AnyEntry PicBoxInterface(int32_t number);
