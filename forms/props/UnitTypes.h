#pragma once
// The built-in unit library's kinds as data: kind codes, names, kind flags and the declared
// type of every property number. The Qt side plugs each kind's interface function in with
// MakeUnitTypeTable; everything else here is fixed. The runtime reads all of it through the
// unit-type table it is given (forms/runtime/UnitTypeTable.h), never from here.
#include <array>
#include <cstdint>
#include <span>

#include "forms/KindInterface.h"

// Declared property data types.
enum PropertyType : uint16_t {
    PROP_INTEGER = 1001,
    PROP_BOOLEAN = 1003,
    PROP_TEXT = 1005,
    PROP_CHOICE = 1006,
    PROP_PICTURE = 1009,
    PROP_ICON = 1010,
    PROP_MOUSE_POINTER = 1011,
    PROP_SOUND = 1012,
    PROP_FONT = 1013,
    PROP_COLOUR = 1014,
    PROP_COLOUR_DEFAULT = 1017,  // 0xFF000000 = the system button-face colour
    PROP_EXTRA_TEXT1 = 1018,
    PROP_EXTRA_TEXT2 = 1020,
};

constexpr uint16_t kCommonPropertyFlags = 0xE000;
constexpr uint16_t kOwnPropertyFlags = 0x8000;

constexpr uint32_t KIND_WINDOW = 0x00010001;
constexpr uint32_t KIND_EDIT_BOX = 0x00010005;
constexpr uint32_t KIND_PIC_BOX = 0x00010006;
constexpr uint32_t KIND_SHAPE_BOX = 0x00010007;
constexpr uint32_t KIND_LABEL = 0x0001000A;
constexpr uint32_t KIND_BUTTON = 0x0001000B;

// Kind flags the runtime looks at.
constexpr uint32_t kKindMayRaiseEvents = 0x04 | 0x40;  // a kind with neither bit may not raise events
constexpr uint32_t kKindPagedContainer = 0x100;
constexpr uint32_t kKindCreatedHidden = 0x8000;

constexpr int kUnitTypeSlots = 51;

// The 20-byte stored descriptor, with pointer-sized address fields on this build.
struct PropertyDescriptor {
    const char* name = nullptr;
    const char* english_name = nullptr;
    const char* description = nullptr;
    uint16_t type = 0;
    uint16_t flags = 0;
    const void* extra = nullptr;
};

// One slot of the unit-type table, fields in stored order; an empty slot is all zero.
struct UnitTypeDescriptor {
    const char* name = nullptr;          // GBK
    const char* english_name = nullptr;
    const char* description = nullptr;
    uint32_t method_count = 0;
    const void* method_indexes = nullptr;
    uint32_t kind_flags = 0;
    uint32_t icon_resource = 0;
    uint32_t event_count = 0;
    const void* events = nullptr;
    uint32_t property_count = 0;
    const PropertyDescriptor* properties = nullptr;
    InterfaceFn interface_fn = nullptr;
    uint32_t element_count = 0;
    const void* elements = nullptr;
};

// The Qt-free description of one filled slot.
struct KindInfo {
    int slot;
    uint32_t code;
    const char* name;          // GBK
    const char* english_name;
    uint32_t kind_flags;
    std::span<const PropertyDescriptor> properties;
};

// The six kinds in slot order.
std::span<const KindInfo> Kinds();

// A kind's interface function, named by its kind code.
struct KindInterfaceRow {
    uint32_t code;
    InterfaceFn interface_fn;
};

// The stored table with each kind's interface function plugged in; a kind without a row
// keeps a null one.
using UnitTypeTable = std::array<UnitTypeDescriptor, kUnitTypeSlots>;
UnitTypeTable MakeUnitTypeTable(std::span<const KindInterfaceRow> interfaces);
