#pragma once
// A kind's property table: every own property once, as a row of its number, name, declared
// type, the struct field that holds it, its clamp, whether a write rebuilds the unit and the
// stored version that first holds it. Rows stand in stored order, so the table is also the
// stored layout. Everything else a kind's properties need is derived from it here:
//   Field(p, own)        the field behind an own number, with its clamps (get and set)
//   Transfer(io, p)      the stored layout after the version word, both directions
//   ReadProps / WriteProps / GetOwnProperty / SetOwnProperty, the property set's functions
//   DeclaredProperties<P>() the declared-type table of the unit-type slot (UnitTypes.cpp)
// and the page describes a unit by walking the same rows. ValidKindTable<P>() holds the
// table together at compile time: each own number once, a type its field can hold, a range
// for every choice, unique names, versions within the kind's maximum.
//
// A kind's header specialises KindTable for its struct:
//   template <> struct KindTable<ShapeBoxProps> {
//       static constexpr const char* kName = "...";          // GBK
//       static constexpr const char* kEnglishName = "ShapeBox";
//       static constexpr uint32_t kFlags = kKindBuiltIn | kKindRaisesEvents | ...;
//       static constexpr uint32_t kMaxVersion = kShapeBoxMaxVersion;
//       static constexpr int32_t kOwnCount = ShapeBoxOwn::Count;
//       static constexpr PropertyRow<ShapeBoxProps> kRows[] = {
//           Property<&ShapeBoxProps::shape>(ShapeBoxOwn::Shape, "shape", PROP_CHOICE).UpTo(Shape::VerticalLine),
//           ...
//       };
//   };
#include <array>
#include <climits>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "core/props/OwnField.h"
#include "core/props/UnitTypes.h"
#include "core/template/ByteIo.h"

// How a field is held in the struct, which decides how it is stored.
enum class Storage : uint8_t {
    None,     // the live control answers; nothing in the struct or the stored bytes
    Integer,  // int32_t
    Word,     // uint32_t (colours)
    Text,     // std::string, stored with its length
    Bytes,    // std::vector<uint8_t>, stored with its length
    Char2,    // uint8_t[2], a character stored as 16 bits
};

// A row that is stored but has no property number (a word kept as stored).
constexpr int32_t kNotAProperty = -1;

template <class P>
struct PropertyRow {
    int32_t own;       // the own number, or the first of `count` consecutive ones
    const char* name;  // the English name; the page's descriptions use it as their key
    PropertyType type;
    Storage storage;
    int32_t count;  // an array field holds this many properties, one per element
    void* (*locate)(P& props, int32_t element);
    int32_t low = INT32_MIN;
    int32_t high = INT32_MAX;
    bool rebuild = false;
    uint32_t since = 0;

    // Integers below `value` become `value`.
    constexpr PropertyRow AtLeast(int32_t value) const
    {
        PropertyRow r = *this;
        r.low = value;
        return r;
    }
    // A choice from 0 to `last`.
    template <class E>
    constexpr PropertyRow UpTo(E last) const
    {
        PropertyRow r = *this;
        r.low = 0;
        r.high = int32_t(last);
        return r;
    }
    // A change needs the control made again (a window style fixed at creation).
    constexpr PropertyRow Rebuilds() const
    {
        PropertyRow r = *this;
        r.rebuild = true;
        return r;
    }
    // Stored only from this version of the kind's data on.
    constexpr PropertyRow Since(uint32_t version) const
    {
        PropertyRow r = *this;
        r.since = version;
        return r;
    }
};

// Specialised by each kind's header; see above.
template <class P>
struct KindTable;

template <class P>
concept PropertySetKind = requires
{
    KindTable<P>::kRows;
};

namespace property_table {

template <class M>
struct Member;
template <class C, class T>
struct Member<T C::*> {
    using Class = C;
    using Type = T;
};

template <class T>
struct StorageOf;
template <>
struct StorageOf<int32_t> {
    static constexpr Storage kStorage = Storage::Integer;
    static constexpr int32_t kCount = 1;
};
template <>
struct StorageOf<uint32_t> {
    static constexpr Storage kStorage = Storage::Word;
    static constexpr int32_t kCount = 1;
};
template <>
struct StorageOf<std::string> {
    static constexpr Storage kStorage = Storage::Text;
    static constexpr int32_t kCount = 1;
};
template <>
struct StorageOf<std::vector<uint8_t>> {
    static constexpr Storage kStorage = Storage::Bytes;
    static constexpr int32_t kCount = 1;
};
template <>
struct StorageOf<uint8_t[2]> {
    static constexpr Storage kStorage = Storage::Char2;
    static constexpr int32_t kCount = 1;
};
template <size_t N>
struct StorageOf<int32_t[N]> {
    static constexpr Storage kStorage = Storage::Integer;
    static constexpr int32_t kCount = N;
};
template <size_t N>
struct StorageOf<uint32_t[N]> {
    static constexpr Storage kStorage = Storage::Word;
    static constexpr int32_t kCount = N;
};

template <auto member>
void* Locate(typename Member<decltype(member)>::Class& props, int32_t element)
{
    auto& field = props.*member;
    using T = std::remove_reference_t<decltype(field)>;
    if constexpr (std::is_array_v<T> && StorageOf<T>::kStorage != Storage::Char2)
        return &field[element];
    else
        return &field;
}

}  // namespace property_table

// A row for an own property held in `member` (an array member holds one per element).
template <auto member>
constexpr auto Property(int32_t own, const char* name, PropertyType type)
{
    using M = property_table::Member<decltype(member)>;
    using S = property_table::StorageOf<typename M::Type>;
    return PropertyRow<typename M::Class>{own,         name,      type,
                                          S::kStorage, S::kCount, &property_table::Locate<member>};
}

// A row for an own property that only the live control answers; the struct reads 0 or empty.
template <class P>
constexpr PropertyRow<P> LiveProperty(int32_t own, const char* name, PropertyType type)
{
    return {own, name, type, Storage::None, 1, nullptr};
}

// A stored field that no property number reaches, kept as it was read.
template <auto member>
constexpr auto Kept(const char* name)
{
    return Property<member>(kNotAProperty, name, PROP_NONE);
}

// What the get and set rules make of a row's field.
template <class P>
constexpr FieldKind KindOf(const PropertyRow<P>& row)
{
    switch (row.storage) {
    case Storage::None: return FieldKind::LiveOnly;
    case Storage::Integer:
        return row.type == PROP_CHOICE    ? FieldKind::Choice
               : row.type == PROP_BOOLEAN ? FieldKind::Boolean
                                          : FieldKind::Integer;
    case Storage::Word: return FieldKind::Colour;
    case Storage::Text: return FieldKind::Text;
    case Storage::Bytes: return row.type == PROP_FONT ? FieldKind::Font : FieldKind::Block;
    case Storage::Char2: return FieldKind::PasswordChar;
    }
    return FieldKind::None;
}

// The declared types a field of each storage can hold.
constexpr bool TypeFitsStorage(PropertyType type, Storage storage)
{
    switch (storage) {
    case Storage::None: return type != PROP_NONE;
    case Storage::Integer: return type == PROP_INTEGER || type == PROP_CHOICE || type == PROP_BOOLEAN;
    case Storage::Word: return type == PROP_COLOUR || type == PROP_COLOUR_DEFAULT;
    case Storage::Text: return type == PROP_TEXT || type == PROP_EXTRA_TEXT1 || type == PROP_EXTRA_TEXT2;
    case Storage::Bytes:
        return type == PROP_PICTURE || type == PROP_ICON || type == PROP_SOUND || type == PROP_FONT;
    case Storage::Char2: return type == PROP_TEXT;
    }
    return false;
}

namespace property_table {

// Not constexpr: a check that fails reaches it and stops the build, naming the check.
inline void TableCheckFailed(const char* /*what*/) {}

constexpr bool Check(bool holds, const char* what)
{
    if (!holds)
        TableCheckFailed(what);
    return holds;
}

}  // namespace property_table

template <class P>
consteval bool ValidKindTable()
{
    using property_table::Check;
    using T = KindTable<P>;
    int32_t seen[T::kOwnCount] = {};
    for (const auto& row : T::kRows) {
        if (row.own == kNotAProperty) {
            Check(row.storage != Storage::None && row.type == PROP_NONE,
                  "a kept field is stored and has no type");
        } else {
            Check(row.own >= 0 && row.own + row.count <= T::kOwnCount, "an own number beyond the kind's count");
            for (int32_t e = 0; e < row.count; ++e)
                ++seen[row.own + e];
            Check(TypeFitsStorage(row.type, row.storage), "a declared type its field cannot hold");
        }
        Check(row.name != nullptr && row.name[0] != '\0', "a row without a name");
        const FieldKind kind = KindOf(row);
        if (kind == FieldKind::Choice)
            Check(row.low == 0 && row.high != INT32_MAX, "a choice without its range (UpTo)");
        else
            Check(row.high == INT32_MAX, "a range on what is no choice");
        Check(kind == FieldKind::Integer || kind == FieldKind::Choice || row.low == INT32_MIN,
              "a lower bound on what is no number");
        Check(row.since <= T::kMaxVersion, "a version above the kind's maximum");
        Check(row.storage != Storage::None || row.since == 0, "a live property with a version");
        for (const auto& other : T::kRows)
            Check(&other == &row || std::string_view(other.name) != row.name, "two rows with one name");
    }
    for (int32_t own = 0; own < T::kOwnCount; ++own)
        Check(seen[own] == 1, "an own number missing or given twice");
    return true;
}

namespace property_table {

struct RowElement {
    int32_t row = -1;
    int32_t element = 0;
};

// Own number -> its row and element, built once at compile time.
template <class P>
constexpr auto MakeOwnIndex()
{
    static_assert(ValidKindTable<P>());
    std::array<RowElement, size_t(KindTable<P>::kOwnCount)> index{};
    int32_t r = 0;
    for (const auto& row : KindTable<P>::kRows) {
        for (int32_t e = 0; row.own != kNotAProperty && e < row.count; ++e)
            index[size_t(row.own + e)] = {r, e};
        ++r;
    }
    return index;
}

template <class P>
inline constexpr auto kOwnIndex = MakeOwnIndex<P>();

}  // namespace property_table

// The field of one element of a row in `props`, for the get and set rules.
template <class P>
FieldRef FieldOf(const PropertyRow<P>& row, P& props, int32_t element)
{
    FieldRef field{.kind = KindOf(row),
                   .low = row.low,
                   .high = row.high,
                   .min_version = row.since,
                   .rebuild = row.rebuild};
    if (row.locate == nullptr)
        return field;
    void* at = row.locate(props, element);
    switch (row.storage) {
    case Storage::Integer: field.integer = static_cast<int32_t*>(at); break;
    case Storage::Word: field.colour = static_cast<uint32_t*>(at); break;
    case Storage::Text: field.text = static_cast<std::string*>(at); break;
    case Storage::Bytes: field.block = static_cast<std::vector<uint8_t>*>(at); break;
    case Storage::Char2: field.password = static_cast<uint8_t*>(at); break;
    case Storage::None: break;
    }
    return field;
}

// The field behind an own number; kind None for a number the kind does not have.
template <PropertySetKind P>
FieldRef Field(P& props, int32_t own)
{
    if (own < 0 || own >= KindTable<P>::kOwnCount)
        return {};
    const auto at = property_table::kOwnIndex<P>[size_t(own)];
    return FieldOf(KindTable<P>::kRows[at.row], props, at.element);
}

// The stored layout after the version word: the rows in order, each from its version on.
template <class Io, PropertySetKind P>
void Transfer(Io& io, P& props)
{
    for (const auto& row : KindTable<P>::kRows) {
        if (row.storage == Storage::None || row.since > props.version)
            continue;
        for (int32_t e = 0; e < row.count; ++e) {
            void* at = row.locate(props, e);
            switch (row.storage) {
            case Storage::Integer: io.I32(*static_cast<int32_t*>(at)); break;
            case Storage::Word: io.U32(*static_cast<uint32_t*>(at)); break;
            case Storage::Text: io.Text(*static_cast<std::string*>(at)); break;
            case Storage::Bytes: io.Block(*static_cast<std::vector<uint8_t>*>(at)); break;
            case Storage::Char2: io.Bytes2(*static_cast<uint8_t(*)[2]>(at)); break;
            case Storage::None: break;
            }
        }
    }
}

// The unit-type slot's property descriptors: the common properties, then one per own number
// with the row's name and declared type.
template <PropertySetKind P>
constexpr auto DeclaredProperties()
{
    static_assert(ValidKindTable<P>());
    std::array<PropertyDescriptor, size_t(kFirstOwnProperty + KindTable<P>::kOwnCount)> declared{};
    for (int32_t n = 0; n < kFirstOwnProperty; ++n)
        declared[size_t(n)] = kCommonProperties[size_t(n)];
    for (const auto& row : KindTable<P>::kRows) {
        for (int32_t e = 0; row.own != kNotAProperty && e < row.count; ++e)
            declared[size_t(kFirstOwnProperty + row.own + e)] = {.english_name = row.name,
                                                                 .type = row.type,
                                                                 .flags = kOwnPropertyFlags};
    }
    return declared;
}

// The property set's four functions (see PropertySet.h).
template <PropertySetKind P>
std::optional<P> ReadProps(std::span<const uint8_t> data)
{
    P props;
    if (data.empty())
        return props;
    ByteReader reader(data);
    ReadIo io(reader);
    io.U32(props.version);
    if (!reader.Ok() || props.version > KindTable<P>::kMaxVersion)
        return std::nullopt;
    Transfer(io, props);
    if (!reader.Ok())
        return std::nullopt;
    for (int32_t own = 0; own < KindTable<P>::kOwnCount; ++own) {
        const FieldRef f = Field(props, own);
        if (f.kind == FieldKind::Font && !IsFontSize(f.block->size()))
            return std::nullopt;
        ClampField(f);
    }
    return props;
}

template <PropertySetKind P>
std::vector<uint8_t> WriteProps(const P& props)
{
    ByteWriter writer;
    WriteIo io(writer);
    io.U32(props.version);
    Transfer(io, const_cast<P&>(props));  // a WriteIo only reads the fields
    return writer.Take();
}

template <PropertySetKind P>
bool GetOwnProperty(const P& props, int32_t own, PropertyValue* value)
{
    return GetField(Field(const_cast<P&>(props), own), value);  // a get only reads the field
}

template <PropertySetKind P>
SetOutcome SetOwnProperty(P& props, int32_t own, const PropertyValue& value)
{
    return SetField(Field(props, own), value, props.version);
}
