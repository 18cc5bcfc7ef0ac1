#pragma once
// One own property of a kind's struct as the get, set and after-read rules see it: a reference
// to the field with its kind and clamps, made from the kind's table row (PropertyTable.h). The
// rules are written once, here.
#include <climits>
#include <optional>
#include <span>

#include "core/props/PropertySet.h"

// clang-format off
enum class FieldKind {
    None,          // the kind has no such own number
    Integer,       // clamped below at `low`
    Choice,        // clamped to 0..high
    Boolean,       // 1 for any non-zero value
    Colour,
    Text,
    Block,         // pictures, icons, sounds
    Font,          // empty or kLogFontSize bytes
    PasswordChar,  // a text of up to two bytes stored as 16 bits
    LiveOnly,      // answered by the live control; the struct reads 0 or empty, ignores writes
};
// clang-format on

struct FieldRef {
    FieldKind kind = FieldKind::None;
    int32_t* integer = nullptr;
    uint32_t* colour = nullptr;
    std::string* text = nullptr;
    std::vector<uint8_t>* block = nullptr;
    uint8_t* password = nullptr;
    int32_t low = INT32_MIN;
    int32_t high = INT32_MAX;
    uint32_t min_version = 0;  // the stored version that first holds the field
    bool rebuild = false;
};

bool GetField(const FieldRef& field, PropertyValue* value);
// `version` is raised to the field's when a set gives a value to a field its stored version
// does not hold, so a later save keeps it.
SetOutcome SetField(const FieldRef& field, const PropertyValue& value, uint32_t& version);
// Puts a value read from storage into its range, as a set would.
void ClampField(const FieldRef& field);

// Fonts are stored empty or as a whole LOGFONT; anything else is damage.
inline bool IsFontSize(size_t size) { return size == 0 || size == kLogFontSize; }
