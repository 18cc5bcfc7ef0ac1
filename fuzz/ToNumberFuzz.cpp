// ToNumber and ToFloat on arbitrary bytes, checked against the C library's strtod on the span
// that the reader says it used (with a "d" exponent letter made "e").
#include <cstdint>
#include <cstdlib>
#include <string>

#include "values/Commands.h"
#include "values/Number.h"
#include "values/NumberText.h"
#include "values/Bits.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);  // NUL-terminated copy
    TypedValue result;
    const TypedValue argument = TypedValue::Text(text.c_str());
    ToNumber(&result, 1, &argument);
    const double number = result.AsDouble();
    TypedValue single;
    ToFloat(&single, 1, &argument);
    if (BitCast<uint32_t>(single.AsFloat()) != BitCast<uint32_t>(float(number)))
        std::abort();
    if (BitCast<uint64_t>(TextToNumber(text.c_str())) != BitCast<uint64_t>(number))
        std::abort();

    ByteBuffer normalized;
    if (!NormalizeNumberText(text, normalized))
        return 0;
    const std::string ascii(normalized.Data(), normalized.Size() - 1);
    size_t used = 0;
    const double read = ReadDecimal(ascii, &used);
    if (BitCast<uint64_t>(read) != BitCast<uint64_t>(number))
        std::abort();
    if (used == 0) {
        if (BitCast<uint64_t>(number) != 0)
            std::abort();
        return 0;
    }
    std::string span = ascii.substr(0, used);
    for (char& c : span) {
        if (c == 'd' || c == 'D')
            c = 'e';
    }
    char* end = nullptr;
    const double expected = std::strtod(span.c_str(), &end);
    if (end != span.c_str() + span.size() || BitCast<uint64_t>(expected) != BitCast<uint64_t>(number))
        std::abort();
    return 0;
}
