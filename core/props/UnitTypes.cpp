#include "core/props/UnitTypes.h"

#include <variant>

#include "core/props/KindProps.h"

namespace {

template <class P>
inline constexpr auto kDeclaredProperties = DeclaredProperties<P>();

template <class P>
constexpr KindInfo InfoOf()
{
    using T = KindTable<P>;
    return {SlotOf(P::kKindCode), P::kKindCode, T::kName, T::kEnglishName, T::kFlags, kDeclaredProperties<P>};
}

template <class... P>
constexpr std::array<KindInfo, sizeof...(P)> InfoOfEach(const std::variant<P...>*)
{
    return {InfoOf<P>()...};
}

constexpr auto kKinds = InfoOfEach(static_cast<const AnyKindProps*>(nullptr));

constexpr bool InSlotOrder()
{
    for (size_t k = 0; k < kKinds.size(); ++k) {
        if (kKinds[k].slot < 0 || kKinds[k].slot >= kUnitTypeSlotCount ||
            (k > 0 && kKinds[k - 1].slot >= kKinds[k].slot))
            return false;
    }
    return true;
}
static_assert(InSlotOrder(), "AnyKindProps lists the kinds in slot order, each in a slot of the table");

}  // namespace

std::span<const KindInfo> Kinds() { return kKinds; }

UnitTypeSlots MakeUnitTypeSlots(std::span<const KindInterfaceRow> interfaces)
{
    UnitTypeSlots table{};
    for (const KindInfo& kind : kKinds) {
        auto& slot = table[size_t(kind.slot)];
        slot.name = kind.name;
        slot.english_name = kind.english_name;
        slot.kind_flags = kind.kind_flags;
        slot.property_count = uint32_t(kind.properties.size());
        slot.properties = kind.properties.data();
        for (const KindInterfaceRow& row : interfaces) {
            if (row.code == kind.code)
                slot.interface_fn = row.interface_fn;
        }
    }
    return table;
}
