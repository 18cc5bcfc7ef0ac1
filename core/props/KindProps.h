#pragma once
// Every built-in kind's property set as one type: the list of the library's kinds, in slot
// order, from which the kinds table (Kinds(), UnitTypes.cpp) is made, and the type for code
// that treats all kinds alike (the property-set tests, the property-data fuzzer). Each set
// names its kind by kKindCode; a new kind is one entry here.
//   std::get<LabelProps>(*DefaultPropsOf(KIND_LABEL)).caption == "标签" (GBK)
#include <optional>
#include <span>
#include <variant>

#include "core/props/ButtonProps.h"
#include "core/props/EditBoxProps.h"
#include "core/props/LabelProps.h"
#include "core/props/PicBoxProps.h"
#include "core/props/ShapeBoxProps.h"
#include "core/props/WindowProps.h"

using AnyKindProps =
    std::variant<WindowProps, EditBoxProps, PicBoxProps, ShapeBoxProps, LabelProps, ButtonProps>;

// Every default of the kind, or nullopt for a code that names no built-in kind.
inline std::optional<AnyKindProps> DefaultPropsOf(uint32_t kind_code)
{
    std::optional<AnyKindProps> found;
    [&]<size_t... I>(std::index_sequence<I...>)
    {
        ((std::variant_alternative_t<I, AnyKindProps>::kKindCode == kind_code
              ? void(found.emplace(std::in_place_index<I>))
              : void()),
         ...);
    }
    (std::make_index_sequence<std::variant_size_v<AnyKindProps>>());
    return found;
}

// Whether a built-in kind's property data reads: empty data is every default; damaged data does
// not read, and a unit of it is not created. A code of no built-in kind has nothing to read.
inline bool PropertyDataReads(uint32_t kind_code, std::span<const uint8_t> data)
{
    const std::optional<AnyKindProps> kind = DefaultPropsOf(kind_code);
    return !kind ||
           std::visit(
               [&](const auto& props) { return ReadProps<std::decay_t<decltype(props)>>(data).has_value(); },
               *kind);
}
