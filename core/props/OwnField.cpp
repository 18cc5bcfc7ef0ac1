#include "core/props/OwnField.h"

#include <algorithm>
#include <cstring>

namespace {

std::span<const uint8_t> Bytes(const PropertyValue& value)
{
    if (value.data == nullptr)
        return {};
    return {static_cast<const uint8_t*>(value.data), value.size};
}

// A text ends at its first NUL even when the length says more.
std::string TextOf(const PropertyValue& value)
{
    auto bytes = Bytes(value);
    auto end = std::find(bytes.begin(), bytes.end(), uint8_t(0));
    return std::string(bytes.begin(), end);
}

int32_t Clamped(const FieldRef& field, int32_t v)
{
    switch (field.kind) {
    case FieldKind::Integer:
    case FieldKind::Choice: return std::clamp(v, field.low, field.high);
    case FieldKind::Boolean: return v != 0 ? 1 : 0;
    default: return v;
    }
}

template <class T>
bool Store(T& field, T value)
{
    if (field == value)
        return false;
    field = std::move(value);
    return true;
}

bool SetValue(const FieldRef& field, const PropertyValue& value)
{
    switch (field.kind) {
    case FieldKind::Integer:
    case FieldKind::Choice:
    case FieldKind::Boolean: return Store(*field.integer, Clamped(field, int32_t(value.low)));
    case FieldKind::Colour: return Store(*field.colour, value.low);
    case FieldKind::Text: return Store(*field.text, TextOf(value));
    case FieldKind::Block: {
        auto bytes = Bytes(value);
        return Store(*field.block, std::vector<uint8_t>(bytes.begin(), bytes.end()));
    }
    case FieldKind::Font: {
        auto bytes = Bytes(value);
        if (!IsFontSize(bytes.size()))
            return false;
        return Store(*field.block, std::vector<uint8_t>(bytes.begin(), bytes.end()));
    }
    case FieldKind::PasswordChar: {
        std::string text = TextOf(value);
        uint8_t next[2] = {};
        std::memcpy(next, text.data(), std::min<size_t>(text.size(), 2));
        bool changed = std::memcmp(next, field.password, 2) != 0;
        std::memcpy(field.password, next, 2);
        return changed;
    }
    case FieldKind::LiveOnly:
    case FieldKind::None: return false;
    }
    return false;
}

}  // namespace

bool GetField(const FieldRef& field, PropertyValue* value)
{
    *value = {};
    switch (field.kind) {
    case FieldKind::None: return false;
    case FieldKind::Integer:
    case FieldKind::Choice:
    case FieldKind::Boolean: value->low = uint32_t(*field.integer); break;
    case FieldKind::Colour: value->low = *field.colour; break;
    case FieldKind::Text:
        value->data = field.text->data();
        value->size = uint32_t(field.text->size());
        break;
    case FieldKind::Block:
    case FieldKind::Font:
        value->data = field.block->data();
        value->size = uint32_t(field.block->size());
        break;
    case FieldKind::PasswordChar:
        value->data = field.password;
        value->size = field.password[0] == 0 ? 0 : field.password[1] == 0 ? 1 : 2;
        break;
    case FieldKind::LiveOnly: break;
    }
    return true;
}

SetOutcome SetField(const FieldRef& field, const PropertyValue& value, uint32_t& version)
{
    if (field.kind == FieldKind::None)
        return {};
    SetOutcome outcome{.valid = true};
    outcome.changed = SetValue(field, value);
    outcome.rebuild = outcome.changed && field.rebuild;
    if (outcome.changed)
        version = std::max(version, field.min_version);
    return outcome;
}

void ClampField(const FieldRef& field)
{
    if (field.kind == FieldKind::Integer || field.kind == FieldKind::Choice)
        *field.integer = Clamped(field, *field.integer);
}
