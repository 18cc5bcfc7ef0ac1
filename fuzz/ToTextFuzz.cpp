// ToText of arbitrary doubles and floats. A finite double's text, read back by ToNumber and
// written again, gives the same text: the 13 digits survive the round trip.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "values/Blocks.h"
#include "values/Commands.h"
#include "values/Bits.h"

namespace {

std::string TextOf(const TypedValue& value)
{
    TypedValue result;
    ToText(&result, 1, &value);
    TextBlock block(static_cast<char*>(result.AsAddress()));
    if (!block)
        std::abort();  // every number has a text
    std::string text(block.get());
    if (text.empty() || text.size() > 20)
        std::abort();
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size >= 4) {
        uint32_t single_bits;
        std::memcpy(&single_bits, data, sizeof single_bits);
        TextOf({single_bits, TYPE_FLOAT});
    }
    if (size < 8)
        return 0;
    uint64_t bits;
    std::memcpy(&bits, data, sizeof bits);
    const double x = BitCast<double>(bits);
    const std::string text = TextOf(TypedValue::Double(x));
    if (!std::isfinite(x))
        return 0;
    TypedValue read;
    const TypedValue argument = TypedValue::Text(text.c_str());
    ToNumber(&read, 1, &argument);
    if (TextOf(TypedValue::Double(read.AsDouble())) != text)
        std::abort();
    // The text is within half a unit of the 13th digit of x.
    if (std::fabs(read.AsDouble() - x) > std::fabs(x) * 1e-12)
        std::abort();
    return 0;
}
