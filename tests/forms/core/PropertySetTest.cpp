// The six kinds' property sets: defaults, stored versions, damage, clamps and the rebuild
// answer of the edit box, driven by tables over the kinds.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <variant>

#include "core/props/KindProps.h"

namespace {

using AnyProps = AnyKindProps;

AnyProps Defaults(size_t k) { return *DefaultPropsOf(Kinds()[k].code); }

size_t IndexOf(uint32_t code)
{
    const auto kinds = Kinds();
    return size_t(std::find_if(kinds.begin(), kinds.end(), [&](const KindInfo& k) { return k.code == code; }) -
                  kinds.begin());
}

const char* NameOf(uint32_t code) { return Kinds()[IndexOf(code)].english_name; }

std::optional<AnyProps> Read(size_t k, std::span<const uint8_t> data)
{
    return std::visit(
        [&](auto p) -> std::optional<AnyProps> {
            auto read = ReadProps<decltype(p)>(data);
            return read ? std::optional<AnyProps>(*read) : std::nullopt;
        },
        Defaults(k));
}

std::vector<uint8_t> Write(const AnyProps& p)
{
    return std::visit([](auto& q) { return WriteProps(q); }, p);
}

PropertyValue Get(const AnyProps& p, int32_t own)
{
    PropertyValue v;
    bool ok = std::visit([&](auto& q) { return GetOwnProperty(q, own, &v); }, p);
    EXPECT_TRUE(ok) << own;
    return v;
}

std::string Bytes(const PropertyValue& v)
{
    return v.data ? std::string(static_cast<const char*>(v.data), v.size) : std::string();
}

SetOutcome Set(AnyProps& p, int32_t own, const PropertyValue& v)
{
    return std::visit([&](auto& q) { return SetOwnProperty(q, own, v); }, p);
}

SetOutcome SetWord(AnyProps& p, int32_t own, int32_t low) { return Set(p, own, {.low = uint32_t(low)}); }

SetOutcome SetBytes(AnyProps& p, int32_t own, const std::string& bytes)
{
    return Set(p, own, {.data = bytes.data(), .size = uint32_t(bytes.size())});
}

uint32_t VersionOf(const AnyProps& p)
{
    return std::visit([](auto& q) { return q.version; }, p);
}

int32_t OwnCount(size_t k) { return int32_t(Kinds()[k].properties.size()) - kFirstOwnProperty; }

bool IsLiveOnly(size_t k, int32_t own)
{
    return (Kinds()[k].code == KIND_WINDOW && own == 10) || (Kinds()[k].code == KIND_EDIT_BOX && own == 18);
}

// A value of the property's declared type that differs from every default.
std::string SampleBytes(uint16_t type, int32_t own)
{
    switch (type) {
    case PROP_FONT: return std::string(kLogFontSize, char('A' + own % 26));
    case PROP_PICTURE:
    case PROP_ICON:
    case PROP_SOUND: return std::string("\xFF\xD8\x00pic", 6) + char(own);
    default: return {'t', char('0' + own)};  // two bytes, so the password character keeps them all
    }
}

bool IsWordType(uint16_t type)
{
    return type == PROP_INTEGER || type == PROP_BOOLEAN || type == PROP_CHOICE || type == PROP_COLOUR ||
           type == PROP_COLOUR_DEFAULT;
}

int32_t SampleWord(uint16_t type, int32_t before)
{
    switch (type) {
    case PROP_BOOLEAN: return before == 0 ? 1 : 0;
    case PROP_CHOICE: return before == 1 ? 2 : 1;
    case PROP_INTEGER: return before + 17;
    default: return 0x123456 + before % 2;
    }
}

// Every own property set to a value of its declared type; the struct the readers must give back.
AnyProps Rich(size_t k)
{
    AnyProps p = Defaults(k);
    for (int32_t own = 0; own < OwnCount(k); ++own) {
        uint16_t type = Kinds()[k].properties[size_t(own + kFirstOwnProperty)].type;
        if (IsWordType(type))
            SetWord(p, own, SampleWord(type, int32_t(Get(p, own).low)));
        else
            SetBytes(p, own, SampleBytes(type, own));
    }
    return p;
}

TEST(PropertySet, KindTable)
{
    // clang-format off
    const struct { uint32_t code; int slot; const char* english; size_t count; uint32_t flags; } kinds[] = {
        {KIND_WINDOW, 0, "window", 32, 0x800000D0}, {KIND_EDIT_BOX, 4, "EditBox", 29, 0x80000040},
        {KIND_PIC_BOX, 5, "PicBox", 15, 0x840100C0}, {KIND_SHAPE_BOX, 6, "ShapeBox", 15, 0x840100C0},
        {KIND_LABEL, 9, "Label", 29, 0x84012040}, {KIND_BUTTON, 10, "Button", 14, 0x80000840},
    };
    // clang-format on
    UnitTypeSlots table = MakeUnitTypeSlots({});
    for (const auto& c : kinds) {
        ASSERT_LT(IndexOf(c.code), Kinds().size());
        const KindInfo* kind = &Kinds()[IndexOf(c.code)];
        EXPECT_EQ(c.code, 0x00010000u + uint32_t(c.slot) + 1);
        EXPECT_EQ(kind->slot, c.slot);
        EXPECT_STREQ(kind->english_name, c.english);
        EXPECT_EQ(kind->properties.size(), c.count);
        EXPECT_EQ(kind->kind_flags, c.flags);
        EXPECT_EQ(table[size_t(c.slot)].property_count, c.count);
        for (size_t n = 0; n < kind->properties.size(); ++n)
            EXPECT_EQ(kind->properties[n].flags, n < 8 ? 0xE000 : 0x8000) << c.english << n;
    }
    size_t filled = 0;
    for (const auto& slot : table)
        filled += slot.name != nullptr;
    EXPECT_EQ(filled, std::size(kinds));
    EXPECT_EQ(Kinds()[IndexOf(KIND_SHAPE_BOX)].properties[9].type, PROP_CHOICE);
}

TEST(PropertySet, DefaultsFromEmptyData)
{
    // clang-format off
    const struct { uint32_t kind; int32_t own; uint32_t low; } words[] = {
        {KIND_EDIT_BOX, 1, 1}, {KIND_EDIT_BOX, 2, 0}, {KIND_EDIT_BOX, 3, 0xFFFFFF}, {KIND_EDIT_BOX, 5, 1},
        {KIND_EDIT_BOX, 6, 0}, {KIND_EDIT_BOX, 7, 0}, {KIND_EDIT_BOX, 10, 0}, {KIND_EDIT_BOX, 15, 100},
        {KIND_LABEL, 2, 0}, {KIND_LABEL, 3, 8}, {KIND_LABEL, 4, 0x808080}, {KIND_LABEL, 5, 0xFFFFFF},
        {KIND_LABEL, 9, 0xFF000000}, {KIND_LABEL, 11, 1}, {KIND_LABEL, 16, 0}, {KIND_LABEL, 18, 1},
        {KIND_BUTTON, 1, 0}, {KIND_BUTTON, 3, 1}, {KIND_BUTTON, 4, 1},
        {KIND_SHAPE_BOX, 0, 0xFF000000}, {KIND_SHAPE_BOX, 1, 0}, {KIND_SHAPE_BOX, 3, 1}, {KIND_SHAPE_BOX, 4, 1},
        {KIND_SHAPE_BOX, 6, 0xFF000000},
        {KIND_PIC_BOX, 0, 0}, {KIND_PIC_BOX, 1, 0xFF000000}, {KIND_PIC_BOX, 3, 0}, {KIND_PIC_BOX, 4, 1},
        {KIND_WINDOW, 1, 2}, {KIND_WINDOW, 2, 0xFF000000}, {KIND_WINDOW, 4, 1}, {KIND_WINDOW, 7, 1},
        {KIND_WINDOW, 8, 0}, {KIND_WINDOW, 11, 1}, {KIND_WINDOW, 12, 1}, {KIND_WINDOW, 16, 1},
    };
    // clang-format on
    for (const auto& c : words) {
        auto p = Read(IndexOf(c.kind), {});
        ASSERT_TRUE(p.has_value());
        EXPECT_EQ(Get(*p, c.own).low, c.low) << NameOf(c.kind) << " own " << c.own;
    }
    // clang-format off
    const struct { uint32_t kind; int32_t own; const char* bytes; } texts[] = {
        {KIND_EDIT_BOX, 0, ""}, {KIND_EDIT_BOX, 11, "*"}, {KIND_EDIT_BOX, 4, ""},
        {KIND_LABEL, 0, "\xB1\xEA\xC7\xA9"}, {KIND_BUTTON, 2, "\xB0\xB4\xC5\xA5"}, {KIND_WINDOW, 0, ""},
    };
    // clang-format on
    for (const auto& c : texts)
        EXPECT_EQ(Bytes(Get(*Read(IndexOf(c.kind), {}), c.own)), c.bytes) << NameOf(c.kind);
}

// Every own property takes a value of its declared type, reads it back, and survives the
// stored form; the readers refuse the stored form cut short anywhere and a newer version.
TEST(PropertySet, EveryOwnPropertyByDeclaredType)
{
    for (size_t k = 0; k < Kinds().size(); ++k) {
        SCOPED_TRACE(Kinds()[k].english_name);
        AnyProps p = Defaults(k);
        for (int32_t own = 0; own < OwnCount(k); ++own) {
            uint16_t type = Kinds()[k].properties[size_t(own + kFirstOwnProperty)].type;
            SetOutcome out;
            if (IsWordType(type)) {
                int32_t value = SampleWord(type, int32_t(Get(p, own).low));
                out = SetWord(p, own, value);
                if (!IsLiveOnly(k, own)) {
                    EXPECT_EQ(int32_t(Get(p, own).low), value) << own;
                }
            } else {
                out = SetBytes(p, own, SampleBytes(type, own));
                if (!IsLiveOnly(k, own)) {
                    EXPECT_EQ(Bytes(Get(p, own)), SampleBytes(type, own)) << own;
                }
            }
            EXPECT_TRUE(out.valid) << own;
            EXPECT_EQ(out.changed, !IsLiveOnly(k, own)) << own;
            EXPECT_EQ(out.rebuild, out.rebuild && Kinds()[k].code == KIND_EDIT_BOX) << own;
        }
        EXPECT_FALSE(SetWord(p, OwnCount(k), 1).valid);
        EXPECT_FALSE(SetWord(p, -1, 1).valid);

        const auto bytes = Write(p);
        auto back = Read(k, bytes);
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(Write(*back), bytes);
        for (int32_t own = 0; own < OwnCount(k); ++own)
            EXPECT_EQ(Bytes(Get(*back, own)) + std::to_string(Get(*back, own).low),
                      Bytes(Get(p, own)) + std::to_string(Get(p, own).low))
                << own;

        for (size_t n = 1; n < bytes.size(); ++n)
            ASSERT_FALSE(Read(k, std::span(bytes).first(n)).has_value()) << n;
        auto newer = bytes;
        newer[0] = uint8_t(VersionOf(p) + 1);
        EXPECT_FALSE(Read(k, newer).has_value());
    }
}

TEST(PropertySet, OlderVersionsLeaveOutTheirNewerFields)
{
    for (size_t k = 0; k < Kinds().size(); ++k) {
        AnyProps rich = Rich(k);
        for (uint32_t version = 0; version <= VersionOf(rich); ++version) {
            std::visit([&](auto& q) { q.version = version; }, rich);
            auto bytes = Write(rich);
            auto back = Read(k, bytes);
            ASSERT_TRUE(back.has_value()) << Kinds()[k].english_name << version;
            EXPECT_EQ(VersionOf(*back), version);
            EXPECT_EQ(Write(*back), bytes);
        }
    }
    // An edit box stored at version 1 has no further texts; giving it one raises the version so
    // that the text is saved.
    AnyProps edit = EditBoxProps{.version = 1};
    auto v1 = Write(edit);
    SetBytes(edit, 19, "x");
    EXPECT_EQ(VersionOf(edit), 2u);
    EXPECT_EQ(Write(edit).size(), v1.size() + 4 + 1 + 4);
    AnyProps window = WindowProps{.version = 3};
    SetWord(window, 13, 1);
    EXPECT_EQ(VersionOf(window), 4u);
}

TEST(PropertySet, WrittenValuesAreClamped)
{
    // clang-format off
    const struct { uint32_t kind; int32_t own; int32_t written; int32_t stored; } cases[] = {
        {KIND_SHAPE_BOX, 1, 9, 7}, {KIND_SHAPE_BOX, 1, -1, 0}, {KIND_SHAPE_BOX, 1, 5, 5},
        {KIND_SHAPE_BOX, 2, 3, 2}, {KIND_SHAPE_BOX, 3, 6, 5}, {KIND_SHAPE_BOX, 4, -3, 0},
        {KIND_SHAPE_BOX, 4, 40, 40},
        {KIND_LABEL, 3, 2, 5}, {KIND_LABEL, 3, -9, 5}, {KIND_LABEL, 3, 5, 5}, {KIND_LABEL, 3, 100, 100},
        {KIND_LABEL, 2, 7, 6}, {KIND_LABEL, 1, 4, 3}, {KIND_LABEL, 12, 9, 8}, {KIND_LABEL, 17, 2, 1},
        {KIND_EDIT_BOX, 1, 6, 5}, {KIND_EDIT_BOX, 10, 12, 11}, {KIND_EDIT_BOX, 8, 4, 3},
        {KIND_EDIT_BOX, 7, -2, 1}, {KIND_EDIT_BOX, 6, -1, -1},
        {KIND_PIC_BOX, 3, 3, 2}, {KIND_PIC_BOX, 0, 6, 5}, {KIND_BUTTON, 1, 2, 1}, {KIND_BUTTON, 3, -4, 0},
        {KIND_WINDOW, 1, 7, 6}, {KIND_WINDOW, 11, 4, 3},
    };
    // clang-format on
    for (const auto& c : cases) {
        AnyProps p = Defaults(IndexOf(c.kind));
        SetWord(p, c.own, c.written);
        EXPECT_EQ(int32_t(Get(p, c.own).low), c.stored)
            << NameOf(c.kind) << " own " << c.own << " <- " << c.written;
    }
}

// Stored values out of range are brought into range as a write would; a font of any size but
// 0 or a whole LOGFONT is damage.
TEST(PropertySet, StoredValuesAreClampedAndFontsChecked)
{
    ShapeBoxProps shape{.shape = 100, .line_width = -4};
    auto read = ReadProps<ShapeBoxProps>(WriteProps(shape));
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->shape, 7);
    EXPECT_EQ(read->line_width, 0);

    for (size_t size : {1, 59, 61}) {
        ButtonProps button;
        button.font.assign(size, 1);
        EXPECT_FALSE(ReadProps<ButtonProps>(WriteProps(button)).has_value()) << size;
        AnyProps p = ButtonProps{};
        EXPECT_FALSE(SetBytes(p, 5, std::string(size, 'f')).changed) << size;
    }
}

TEST(PropertySet, EditBoxStyleChangesAskForARebuild)
{
    // clang-format off
    const struct { int32_t own; int32_t value; bool changed; bool rebuild; } cases[] = {
        {7, 1, true, true}, {7, 1, false, false}, {7, 5, false, false}, {8, 2, true, true},
        {9, 1, true, true}, {12, 2, true, true}, {13, 1, true, true}, {9, 7, true, true},
        {1, 3, true, false}, {10, 1, true, false}, {6, 10, true, false}, {14, 3, true, false},
    };
    // clang-format on
    AnyProps p = EditBoxProps{};
    for (const auto& c : cases) {
        SetOutcome out = SetWord(p, c.own, c.value);
        EXPECT_EQ(out.changed, c.changed) << c.own << " <- " << c.value;
        EXPECT_EQ(out.rebuild, c.rebuild) << c.own << " <- " << c.value;
    }
    EXPECT_FALSE(SetBytes(p, 0, "text").rebuild);
}

TEST(PropertySet, EditBoxPasswordCharacter)
{
    // clang-format off
    const struct { std::string written; std::string read; } cases[] = {
        {"#", "#"}, {"", ""}, {"\xA1\xEF", "\xA1\xEF"}, {"abc", "ab"}, {std::string("x\0y", 3), "x"},
    };
    // clang-format on
    for (const auto& c : cases) {
        AnyProps p = EditBoxProps{};
        SetBytes(p, 11, c.written);
        EXPECT_EQ(Bytes(Get(p, 11)), c.read);
        EXPECT_EQ(Bytes(Get(*Read(IndexOf(KIND_EDIT_BOX), Write(p)), 11)), c.read);
    }
}

}  // namespace
