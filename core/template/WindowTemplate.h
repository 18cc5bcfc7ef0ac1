#pragma once
// The window template as plain data, its reader and its exact inverse writer.
//
// Stream: window table (byte block: W ids, then W stale 32-bit slots); then per window two
// words, two texts, the record count U and the unit block (byte block: U ids, U offsets
// counted from the end of the offset array, then records of a 32-bit length and a body).
//
// The reader refuses (nullopt) anything that does not fit the bytes it has, and also what the
// runtime could not use safely: an invalid or repeated window or unit id, a record 0 that is
// not the window's own record, records that share bytes, trailing bytes, a parent that is not
// an ordinary unit of the same window or that makes a cycle, and an event-owner chain that
// comes back on itself.
// The caller turns a refusal into the fatal "载入窗口模板数据段出错!".
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

constexpr int32_t kNoHandler = -1;

// State-flag bits of a unit record.
constexpr uint32_t kStateVisible = 0x01;
constexpr uint32_t kStateDisabled = 0x02;
constexpr uint32_t kStateTabStop = 0x04;
constexpr uint32_t kStateMenu = 0x08;  // window record only
constexpr uint32_t kStateBit4 = 0x10;  // carried, no effect

enum class RecordClass { Window = 0, Unit = 1, MenuItem = 2, Invalid = -1 };

// Valid when bits 24-27 and bits 0-23 are both non-zero. Window ids follow the same rule.
bool IsValidId(uint32_t id);
// The record class from bits 28-31; a menu item also needs bits 24-27 = 6.
RecordClass RecordClassOf(uint32_t id);

struct EventBinding {
    int32_t event = 0;
    int32_t handler = kNoHandler;  // an offset into the procedure area, kNoHandler = none
};

struct UnitRecord {
    uint32_t id = 0;
    uint32_t kind = 0;
    uint32_t event_owner = 0;  // 0 = its own bindings
    uint32_t reserved1[4] = {};
    std::string name;          // GBK
    std::string second_text;   // carried unchanged
    uint32_t object_slot = 0;  // the stored value, carried unchanged
    int32_t left = 0, top = 0, width = 0, height = 0;
    uint32_t reserved2 = 0;
    uint32_t parent_id = 0;              // 0 = the window
    std::vector<uint32_t> children;      // a 0 entry separates pages of a paged container
    std::vector<uint8_t> mouse_pointer;  // empty = the default arrow
    std::string tag;
    uint32_t reserved3 = 0;
    uint32_t state_flags = 0;
    uint32_t focus_rank = 0;
    std::vector<EventBinding> bindings;
    uint32_t reserved4[5] = {};
    std::vector<uint8_t> property_data;  // read by the kind; empty = every default
    // A menu item (record class 2) keeps its whole body here instead; the fields above stay
    // unused. Its body ends in a text, a flag word and the single handler offset.
    std::vector<uint8_t> menu_item_body;
};

struct WindowData {
    uint32_t id = 0;
    uint32_t stored_slot = 0;  // the stale slot of the window table, carried unchanged
    uint32_t words[2] = {};
    std::string texts[2];
    std::vector<UnitRecord> records;  // record 0 is the window's own
};

struct WindowTemplateData {
    std::vector<WindowData> windows;
};

std::optional<WindowTemplateData> ReadWindowTemplate(std::span<const uint8_t> bytes);
std::vector<uint8_t> WriteWindowTemplate(const WindowTemplateData& data);

// A menu item's single handler offset (the last word of its body).
int32_t MenuItemHandler(const UnitRecord& record);

// The index of the stored record with this id, or -1.
int StoredRecordIndex(const WindowData& window, uint32_t unit_id);
