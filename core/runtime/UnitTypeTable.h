#pragma once
// The built-in unit library as the runtime sees it: the library descriptor with its 51
// unit-type slots (six filled), the seventeen commands and the library's notification entry.
// A kind code is (library number << 16) | (slot + 1); the built-in library is number 1:
//   0x00010001 window (slot 0)   0x00010005 EditBox (slot 4)   0x0001000B Button (slot 10)
#include <cstdint>
#include <span>

#include "core/KindInterface.h"
#include "core/props/UnitTypes.h"
#include "values/Commands.h"

// The library's notification entry: notification 1 at start-up hands it the runtime's
// entry (a = RuntimeEntry); notification 6 at the end.
using LibraryNotifyFn = intptr_t (*)(int32_t number, intptr_t a, intptr_t b);
constexpr int32_t kLibraryNotifyStartup = 1;
constexpr int32_t kLibraryNotifyEnd = 6;

struct LibraryDescriptor {
    uint32_t version = 0;
    const char* identifier = nullptr;  // 32 hexadecimal digits
    const char* display_name = nullptr;
    int32_t major = 0, minor = 0;
    int32_t type_count = 0;
    const UnitTypeDescriptor* types = nullptr;
    int32_t command_count = 0;
    const CommandFn* commands = nullptr;
    LibraryNotifyFn notify = nullptr;
};

// The built-in library's descriptor around a table of its kinds: the desktop's widgets and
// the page's elements are the same library shown two ways.
LibraryDescriptor BuiltInLibraryDescriptor(const UnitTypeSlots& types, LibraryNotifyFn notify);

// The libraries the running program uses, in library-number order.
void SetUnitLibraries(std::span<const LibraryDescriptor* const> libraries);
std::span<const LibraryDescriptor* const> UnitLibraries();
// The slot a kind code names, or null for a code of no library, an empty slot or a slot
// beyond the library's table.
const UnitTypeDescriptor* FindUnitType(uint32_t kind_code);
// The kind's entry for an interface number, or null.
AnyEntry KindEntry(uint32_t kind_code, int32_t number);
// The kind's flags; 0 for a code that names no kind.
uint32_t KindFlags(uint32_t kind_code);
// The declared type of a property number of a kind, or PROP_NONE when it has no such number.
uint16_t DeclaredType(uint32_t kind_code, int32_t property);
