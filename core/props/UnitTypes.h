#pragma once
// The built-in unit library's kinds as data: kind codes, names, kind flags and the declared
// type of every property number, gathered from each kind's table (KindTable, in its
// <Kind>Props.h). Each face plugs its kinds' interface functions in with MakeUnitTypeSlots;
// everything else here is fixed. The runtime reads all of it through the unit-type table it is
// given (core/runtime/UnitTypeTable.h), never from here.
#include <array>
#include <cstdint>
#include <span>

#include "core/KindInterface.h"

// Declared property data types.
enum PropertyType : uint16_t {
    PROP_NONE = 0,  // the kind has no such property number
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

// A kind code is the library's number in the high half and its slot + 1 in the low half; the
// built-in library is number 1.
constexpr uint32_t kBuiltInLibrary = 1;
constexpr uint32_t BuiltInKind(int slot) { return kBuiltInLibrary << 16 | uint32_t(slot + 1); }
constexpr int SlotOf(uint32_t kind_code) { return int(kind_code & 0xFFFF) - 1; }

constexpr uint32_t KIND_WINDOW = BuiltInKind(0);
constexpr uint32_t KIND_EDIT_BOX = BuiltInKind(4);
constexpr uint32_t KIND_PIC_BOX = BuiltInKind(5);
constexpr uint32_t KIND_SHAPE_BOX = BuiltInKind(6);
constexpr uint32_t KIND_LABEL = BuiltInKind(9);
constexpr uint32_t KIND_BUTTON = BuiltInKind(10);

// Kind flags. The runtime reads the event bits, the paged-container bit and the
// created-hidden bit; the others are declared by the library and carried as declared.
constexpr uint32_t kKindRaisesEvents = 0x40;
constexpr uint32_t kKindMayRaiseEvents = 0x04 |
                                         kKindRaisesEvents;  // a kind with neither bit may not raise events
constexpr uint32_t kKindPagedContainer = 0x100;
constexpr uint32_t kKindCreatedHidden = 0x8000;
constexpr uint32_t kKindBuiltIn = 0x80000000;         // on every kind of the built-in library
constexpr uint32_t kKindOwnWindowClass = 0x04010000;  // the kinds drawn in the runtime's own window class
// Further bits a kind declares that nothing here reads, written where the kind lives.
constexpr uint32_t UnreadKindFlags(uint32_t bits) { return bits; }

constexpr int kUnitTypeSlotCount = 51;

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
    const char* name = nullptr;  // GBK
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
    const char* name;  // GBK
    const char* english_name;
    uint32_t kind_flags;
    std::span<const PropertyDescriptor> properties;
};

// Properties 0-7 of every kind: left, top, width, height, tag, visible, disabled, pointer.
inline constexpr PropertyDescriptor kCommonProperties[kFirstOwnProperty] = {
    {.english_name = "left", .type = PROP_INTEGER, .flags = kCommonPropertyFlags},
    {.english_name = "top", .type = PROP_INTEGER, .flags = kCommonPropertyFlags},
    {.english_name = "width", .type = PROP_INTEGER, .flags = kCommonPropertyFlags},
    {.english_name = "height", .type = PROP_INTEGER, .flags = kCommonPropertyFlags},
    {.english_name = "tag", .type = PROP_TEXT, .flags = kCommonPropertyFlags},
    {.english_name = "visible", .type = PROP_BOOLEAN, .flags = kCommonPropertyFlags},
    {.english_name = "disabled", .type = PROP_BOOLEAN, .flags = kCommonPropertyFlags},
    {.english_name = "mousePointer", .type = PROP_MOUSE_POINTER, .flags = kCommonPropertyFlags},
};

// The kinds of AnyKindProps (KindProps.h) in slot order.
std::span<const KindInfo> Kinds();

// A kind's interface function, named by its kind code.
struct KindInterfaceRow {
    uint32_t code;
    InterfaceFn interface_fn;
};

// The stored table with each kind's interface function plugged in; a kind without a row
// keeps a null one.
using UnitTypeSlots = std::array<UnitTypeDescriptor, kUnitTypeSlotCount>;
UnitTypeSlots MakeUnitTypeSlots(std::span<const KindInterfaceRow> interfaces);
