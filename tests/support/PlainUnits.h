#pragma once
// Units that are only their property sets, for the runtime and the frame without a toolkit: a
// kind's create, get and set entries on the stored properties of the window's records. A set
// entry answers the property table's rebuild, as the widgets do.
#include <utility>
#include <variant>

#include "core/KindInterface.h"
#include "core/props/KindProps.h"
#include "core/runtime/WindowList.h"

namespace plain_units {

class PlainUnit final : public Unit {
public:
    PlainUnit(const CreateArgs& args, AnyKindProps props)
        : Unit(args.window_id, args.unit_id), props(std::move(props))
    {
    }
    QWidget* Widget() const override { return nullptr; }
    AnyKindProps props;
};

inline Unit* Create(const CreateArgs& args)
{
    RuntimeWindow* window = FindWindow(args.window_id);
    const RuntimeRecord* record = window != nullptr ? FindRecord(*window, args.unit_id) : nullptr;
    return record != nullptr ? new PlainUnit(args, *DefaultPropsOf(record->kind)) : nullptr;
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

}  // namespace plain_units
