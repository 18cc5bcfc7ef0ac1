#pragma once
// Units that are only their property sets, for the runtime and the frame without a toolkit: a
// kind's create, get, set and save entries on the stored properties of the window's records. A set
// entry answers the property table's rebuild, as the widgets do.
#include <utility>
#include <variant>

#include "core/KindInterface.h"
#include "core/props/KindProps.h"
#include "core/runtime/UnitTypeTable.h"
#include "core/runtime/WindowList.h"

namespace plain_units {

class PlainUnit final : public Unit {
public:
    PlainUnit(const CreateArgs& args, AnyKindProps props)
        : Unit(args.window_id, args.unit_id), props(std::move(props))
    {
    }
    FaceHandle Handle() const override { return nullptr; }
    AnyKindProps props;
};

// Made from the property data it is given, as a rebuild hands it over.
inline Unit* Create(const CreateArgs& args)
{
    RuntimeWindow* window = FindWindow(args.window_id);
    const RuntimeRecord* record = window != nullptr ? FindRecord(*window, args.unit_id) : nullptr;
    std::optional<AnyKindProps> props = record != nullptr ? DefaultPropsOf(record->kind) : std::nullopt;
    if (!props)
        return nullptr;
    const bool read = std::visit(
        [&](auto& kind) {
            auto stored = ReadProps<std::decay_t<decltype(kind)>>(args.property_data);
            if (stored)
                kind = std::move(*stored);
            return stored.has_value();
        },
        *props);
    return read ? new PlainUnit(args, std::move(*props)) : nullptr;
}

inline std::vector<uint8_t> Save(Unit* unit)
{
    return std::visit([](const auto& props) { return WriteProps(props); },
                      static_cast<PlainUnit*>(unit)->props);
}

inline int Get(Unit* unit, int32_t own, PropertyValue* value)
{
    return std::visit([&](auto& props) { return GetOwnProperty(props, own, value) ? 1 : 0; },
                      static_cast<PlainUnit*>(unit)->props);
}

inline int Set(Unit* unit, int32_t own, const PropertyValue& value)
{
    return std::visit([&](auto& props) { return SetOwnProperty(props, own, value).rebuild ? 1 : 0; },
                      static_cast<PlainUnit*>(unit)->props);
}

// A multi-line box keeps Enter for itself, as the widgets' does.
inline int WantsKey(Unit* unit, int key)
{
    const auto* box = std::get_if<EditBoxProps>(&static_cast<PlainUnit*>(unit)->props);
    return box != nullptr && box->multi_line != 0 && key == kKeyEnter ? 1 : 0;
}

inline AnyEntry Interface(int32_t number)
{
    switch (number) {
    case kEntryCreate: return reinterpret_cast<AnyEntry>(&Create);
    case kEntryGetProperty: return reinterpret_cast<AnyEntry>(&Get);
    case kEntrySetProperty: return reinterpret_cast<AnyEntry>(&Set);
    case kEntrySaveProperties: return reinterpret_cast<AnyEntry>(&Save);
    case kEntryWantsKey: return reinterpret_cast<AnyEntry>(&WantsKey);
    default: return nullptr;
    }
}

// The six kinds as plain units, taken into use as the built-in library.
inline void UsePlainLibrary()
{
    // clang-format off
    static const KindInterfaceRow rows[] = {
        {KIND_WINDOW, &Interface}, {KIND_EDIT_BOX, &Interface}, {KIND_PIC_BOX, &Interface},
        {KIND_SHAPE_BOX, &Interface}, {KIND_LABEL, &Interface}, {KIND_BUTTON, &Interface}};
    // clang-format on
    static const UnitTypeSlots types = MakeUnitTypeSlots(rows);
    static const LibraryDescriptor library = BuiltInLibraryDescriptor(types, nullptr);
    static const LibraryDescriptor* const libraries[] = {&library};
    InitializeUnitLibraries(libraries);
}

}  // namespace plain_units
