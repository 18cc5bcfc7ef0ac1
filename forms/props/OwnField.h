#pragma once
// How the kinds reach one own property of their struct: each kind maps an own number to a
// reference into its struct with the field's kind and clamps (its Field function); the get,
// set and after-read rules are written once, here.
#include <climits>
#include <optional>
#include <span>

#include "forms/props/PropertySet.h"
#include "forms/template/ByteIo.h"

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

inline FieldRef IntegerField(int32_t& v, int32_t low = INT32_MIN) { return {.kind = FieldKind::Integer, .integer = &v, .low = low}; }
inline FieldRef ChoiceField(int32_t& v, int32_t high) { return {.kind = FieldKind::Choice, .integer = &v, .low = 0, .high = high}; }
inline FieldRef BooleanField(int32_t& v) { return {.kind = FieldKind::Boolean, .integer = &v}; }
inline FieldRef ColourField(uint32_t& v) { return {.kind = FieldKind::Colour, .colour = &v}; }
inline FieldRef TextField(std::string& v) { return {.kind = FieldKind::Text, .text = &v}; }
inline FieldRef BlockField(std::vector<uint8_t>& v) { return {.kind = FieldKind::Block, .block = &v}; }
inline FieldRef FontField(std::vector<uint8_t>& v) { return {.kind = FieldKind::Font, .block = &v}; }
inline FieldRef PasswordField(uint8_t (&v)[2]) { return {.kind = FieldKind::PasswordChar, .password = v}; }
inline FieldRef LiveOnlyField() { return {.kind = FieldKind::LiveOnly}; }
inline FieldRef Since(uint32_t version, FieldRef f) { f.min_version = version; return f; }
inline FieldRef Rebuilding(FieldRef f) { f.rebuild = true; return f; }

bool GetField(const FieldRef& field, PropertyValue* value);
// `version` is raised to the field's when a set gives a value to a field its stored version
// does not hold, so a later save keeps it.
SetOutcome SetField(const FieldRef& field, const PropertyValue& value, uint32_t& version);
// Puts a value read from storage into its range, as a set would.
void ClampField(const FieldRef& field);

// Fonts are stored empty or as a whole LOGFONT; anything else is damage.
inline bool IsFontSize(size_t size) { return size == 0 || size == kLogFontSize; }

// Get and set through a kind's Field(P&, own) function.
template <class P, class FieldFn>
bool GetOwn(const P& props, int32_t own, PropertyValue* value, FieldFn field)
{
    return GetField(field(const_cast<P&>(props), own), value);
}

template <class P, class FieldFn>
SetOutcome SetOwn(P& props, int32_t own, const PropertyValue& value, FieldFn field)
{
    return SetField(field(props, own), value, props.version);
}

// Reads data laid out by transfer(io, props) after the version word: empty data gives the
// defaults; a version above max, a short read or a font of the wrong size fails. Bytes after
// the last field are ignored.
template <class P, class Transfer, class FieldFn>
std::optional<P> ReadWith(std::span<const uint8_t> data, uint32_t max_version, int32_t own_count,
                          Transfer transfer, FieldFn field)
{
    P props;
    if (data.empty())
        return props;
    ByteReader reader(data);
    ReadIo io(reader);
    io.U32(props.version);
    if (!reader.Ok() || props.version > max_version)
        return std::nullopt;
    transfer(io, props);
    if (!reader.Ok())
        return std::nullopt;
    for (int32_t own = 0; own < own_count; ++own) {
        FieldRef f = field(props, own);
        if (f.kind == FieldKind::Font && !IsFontSize(f.block->size()))
            return std::nullopt;
        ClampField(f);
    }
    return props;
}

template <class P, class Transfer>
std::vector<uint8_t> WriteWith(const P& props, Transfer transfer)
{
    ByteWriter writer;
    WriteIo io(writer);
    io.U32(props.version);
    transfer(io, props);
    return writer.Take();
}

// The four public functions of a kind, built from the Transfer template and the Field
// function that the kind's file defines in its anonymous namespace.
#define DEFINE_PROPERTY_SET(Props, max_version, own_count)                                        \
    template <>                                                                                   \
    std::optional<Props> ReadProps<Props>(std::span<const uint8_t> data)                         \
    {                                                                                             \
        return ReadWith<Props>(data, max_version, own_count,                                      \
                               [](auto& io, auto& p) { Transfer(io, p); }, Field);                \
    }                                                                                             \
    std::vector<uint8_t> WriteProps(const Props& props)                                          \
    {                                                                                             \
        return WriteWith(props, [](auto& io, auto& p) { Transfer(io, p); });                     \
    }                                                                                             \
    bool GetOwnProperty(const Props& props, int32_t own, PropertyValue* value)                   \
    {                                                                                             \
        return GetOwn(props, own, value, Field);                                                  \
    }                                                                                             \
    SetOutcome SetOwnProperty(Props& props, int32_t own, const PropertyValue& value)             \
    {                                                                                             \
        return SetOwn(props, own, value, Field);                                                  \
    }
