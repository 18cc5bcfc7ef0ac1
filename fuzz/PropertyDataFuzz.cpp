// Each kind's property-data reader on any bytes (the first byte picks the kind): no crash, no
// hang; accepted data writes back into bytes that read the same, and every own property can
// be read and written with values taken from the input.
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/props/KindProps.h"

namespace {

template <class P>
void Exercise(std::span<const uint8_t> data)
{
    auto props = ReadProps<P>(data);
    if (!props)
        return;
    auto written = WriteProps(*props);
    auto again = ReadProps<P>(written);
    if (!again || WriteProps(*again) != written)
        __builtin_trap();
    for (int32_t own = -1; own < 26; ++own) {
        PropertyValue value;
        if (GetOwnProperty(*props, own, &value) && value.data != nullptr && value.size > 0) {
            volatile uint8_t last = static_cast<const uint8_t*>(value.data)[value.size - 1];
            (void)last;
        }
        uint32_t word = data.size() >= 4 ? uint32_t(data[own & 3]) << 24 | data[1] << 8 | data[0] : 0;
        size_t take = own >= 0 && size_t(own) < data.size() ? size_t(own) * 3 % (data.size() + 1) : 0;
        SetOwnProperty(*props, own, {.low = word, .data = data.data(), .size = uint32_t(take)});
    }
    auto after = ReadProps<P>(WriteProps(*props));
    if (!after)
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    std::span<const uint8_t> rest(data + 1, size - 1);
    const std::span<const KindInfo> kinds = Kinds();
    std::visit([&](const auto& props) { Exercise<std::decay_t<decltype(props)>>(rest); },
               *DefaultPropsOf(kinds[data[0] % kinds.size()].code));
    return 0;
}
