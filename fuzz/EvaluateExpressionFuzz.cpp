// EvaluateExpression on arbitrary bytes, up to the 64 KB an edit box holds: no crash, no
// sanitizer report, no slow input. Short inputs must also give exactly what the literal,
// whole-text rewriting of the same rules gives.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "calc/EvaluateExpression.h"
#include "tests/calc/ReferenceEngine.h"

namespace {

constexpr size_t kLongestInput = 65536;
constexpr size_t kLongestCompared = 256;  // the reference is quadratic

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > kLongestInput)
        return 0;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string value = EvaluateExpression(text);
    if (size <= kLongestCompared && value != reference::EvaluateExpression(std::string(text)))
        __builtin_trap();
    return 0;
}
