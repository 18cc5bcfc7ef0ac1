#pragma once
// The contract between the form runtime and a unit kind. A kind is reached only through its
// interface function, which hands out an entry by number, as the unit-type table stores it:
//   reinterpret_cast<CreateEntry>(EditBoxInterface(kEntryCreate))(args) -> a new EditBox unit
// Own property numbers are the unit's property number less kFirstOwnProperty.
#include <cstdint>
#include <span>
#include <vector>

// What shows a unit on a face (a widget, a window handle), opaque to the core: each face converts
// its own handles to and from it.
struct FaceHandleTag;
using FaceHandle = FaceHandleTag*;

// A unit object: the runtime's handle on one live control. It keeps the ids it was created
// with so it can raise its events.
class Unit {
public:
    Unit(uint32_t window_id, uint32_t unit_id) : m_window_id(window_id), m_unit_id(unit_id) {}
    virtual ~Unit() = default;
    Unit(const Unit&) = delete;
    Unit& operator=(const Unit&) = delete;

    virtual FaceHandle Handle() const = 0;
    uint32_t WindowId() const { return m_window_id; }
    uint32_t UnitId() const { return m_unit_id; }

private:
    uint32_t m_window_id;
    uint32_t m_unit_id;
};

// Window style bits the loader passes to create.
constexpr uint32_t kStyleDisabled = 0x08000000;
constexpr uint32_t kStyleTabStop = 0x00010000;

struct CreateArgs {
    std::span<const uint8_t> property_data;  // empty = every default
    uint32_t style = 0;                      // kStyleDisabled | kStyleTabStop
    FaceHandle parent = nullptr;             // null for a top-level window
    int32_t control_id = 0;
    int32_t left = 0, top = 0, width = 0, height = 0;
    uint32_t window_id = 0, unit_id = 0;
};

// A property value as it crosses a kind's get and set entries: one or two value words, or
// for texts, byte blocks and fonts an address and a length. Data handed out by a get entry
// stays owned by the unit; the runtime copies it before returning it to a procedure.
struct PropertyValue {
    uint32_t low = 0;
    uint32_t high = 0;
    const void* data = nullptr;
    uint32_t size = 0;
};

using CreateEntry = Unit* (*)(const CreateArgs& args);                                  // null on failure
using SetPropertyEntry = int (*)(Unit* unit, int32_t own, const PropertyValue& value);  // 1 = rebuild
using SavePropertiesEntry = std::vector<uint8_t> (*)(Unit* unit);
using GetPropertyEntry = int (*)(Unit* unit, int32_t own, PropertyValue* result);  // 1 = valid
// key: one of the frame's keys below, the same on every face.
using WantsKeyEntry = int (*)(Unit* unit, int key);
enum FrameKeyCode : int { kKeyTab = 9, kKeyEnter = 13, kKeyEscape = 27, kKeyF1 = 112 };

// Entries travel as one generic function pointer type and are cast back by number.
using AnyEntry = void (*)();
using InterfaceFn = AnyEntry (*)(int32_t number);
enum KindEntryNumber : int32_t {
    kEntryCreate = 1,          // CreateEntry
    kEntrySetProperty = 4,     // SetPropertyEntry
    kEntrySaveProperties = 5,  // SavePropertiesEntry
    kEntryGetProperty = 6,     // GetPropertyEntry
    kEntryWantsKey = 8,        // WantsKeyEntry: does the focused unit want this key itself
};

// Property numbers every kind shares; a kind's own numbers follow from kFirstOwnProperty.
enum CommonProperty : int32_t {
    kPropertyLeft,
    kPropertyTop,
    kPropertyWidth,
    kPropertyHeight,
    kPropertyTag,
    kPropertyVisible,
    kPropertyDisabled,
    kPropertyMousePointer,
    kFirstOwnProperty,
};

// Unit event numbers.
constexpr int32_t kEventClick = 0;         // Button
constexpr int32_t kEventChange = 0;        // EditBox
constexpr int32_t kEventLoaded = 0;        // window, raised by the runtime
constexpr int32_t kEventCloseRequest = 1;  // window; a result of 0 cancels the close
constexpr int32_t kEventMoved = 3;         // window
constexpr int32_t kEventResized = 4;       // window
constexpr int32_t kEventIdle = 7;          // window, raised by the message loop
constexpr int32_t kEventFocusIn = -7;      // Button, EditBox
constexpr int32_t kEventFocusOut = -8;     // Button, EditBox

// A top-level unit's geometry (CreateArgs, properties 0-3) is its outer rectangle: the client
// area within a classic frame of these widths, whatever frame the window manager draws.
struct FrameWidths {
    int left, top, right, bottom;
};
constexpr FrameWidths kClassicFrame{3, 3 + 19, 3, 3};  // 3-pixel border, 19-pixel caption

// The event record a unit builds when it raises an event through the runtime (notification 2008).
struct EventRecord {
    uint32_t window_id = 0;
    uint32_t unit_id = 0;
    int32_t event = 0;
    int32_t arg_count = 0;
    uint32_t args[5] = {};
    int32_t has_result = 0;
    uint32_t result = 0;
};

// The runtime's notification entry, handed to the unit library at start-up (notification 1).
// Numbers: 2008 raise event (a = EventRecord*; result 1 when a procedure ran), 2009 suppress
// events, 2010 re-enable events, 2024 allocate a runtime block (a = size).
using RuntimeEntry = intptr_t (*)(int32_t number, intptr_t a, intptr_t b);
constexpr int32_t kNotifyRaiseEvent = 2008;
constexpr int32_t kNotifySuppressEvents = 2009;
constexpr int32_t kNotifyResumeEvents = 2010;
constexpr int32_t kNotifyAllocateBlock = 2024;

// The entries of a kind's interface function, by number, from a unit class U that provides
//   static Unit* Create(const CreateArgs&), int SetOwn(own, value), int GetOwn(own, result) and
//   std::vector<uint8_t> Save(); a unit of another class gets nothing set, saved or answered.
template <class U>
struct KindEntries {
    static Unit* Create(const CreateArgs& args) { return U::Create(args); }
    static int Set(Unit* unit, int32_t own, const PropertyValue& value)
    {
        auto* u = dynamic_cast<U*>(unit);
        return u ? u->SetOwn(own, value) : 0;
    }
    static std::vector<uint8_t> Save(Unit* unit)
    {
        auto* u = dynamic_cast<U*>(unit);
        return u ? u->Save() : std::vector<uint8_t>();
    }
    static int Get(Unit* unit, int32_t own, PropertyValue* result)
    {
        auto* u = dynamic_cast<U*>(unit);
        return u && result ? u->GetOwn(own, result) : 0;
    }

    static AnyEntry Entry(int32_t number)
    {
        switch (number) {
        case kEntryCreate: return reinterpret_cast<AnyEntry>(static_cast<CreateEntry>(&Create));
        case kEntrySetProperty: return reinterpret_cast<AnyEntry>(static_cast<SetPropertyEntry>(&Set));
        case kEntrySaveProperties: return reinterpret_cast<AnyEntry>(static_cast<SavePropertiesEntry>(&Save));
        case kEntryGetProperty: return reinterpret_cast<AnyEntry>(static_cast<GetPropertyEntry>(&Get));
        default: return nullptr;
        }
    }
};
