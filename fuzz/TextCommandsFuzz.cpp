// The text commands with arbitrary texts, positions and counts: nothing may read or write out
// of bounds (the sanitizers watch), and every result must keep the clamping rules.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "values/Blocks.h"
#include "values/Commands.h"

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

// The result text, freeing its block; null reads as "".
std::string Take(const TypedValue& result)
{
    TextBlock block(static_cast<char*>(result.AsAddress()));
    Check(!block || block.get()[0] != '\0');  // the empty result is null, never an allocated ""
    return block ? std::string(block.get()) : std::string();
}

TypedValue Call(CommandFn command, std::initializer_list<TypedValue> args)
{
    TypedValue result;
    command(&result, int32_t(args.size()), args.begin());
    Check(result.type == TYPE_OMITTED);
    return result;
}

// Texts cannot hold a NUL byte, so the fuzzer's bytes stop at the first one.
std::string NextText(FuzzedDataProvider& data)
{
    std::string text = data.ConsumeRandomLengthString(64);
    return text.substr(0, text.find('\0'));
}

TypedValue NextOptionalInt(FuzzedDataProvider& data)
{
    return data.ConsumeBool() ? TypedValue::Omitted() : TypedValue::Int(data.ConsumeIntegral<int32_t>());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const int32_t a = data.ConsumeIntegral<int32_t>();
    const int32_t b = data.ConsumeIntegral<int32_t>();
    const TypedValue start = NextOptionalInt(data);
    const TypedValue ignore_case = TypedValue::Bool(data.ConsumeBool());
    const bool replacement_given = data.ConsumeBool();
    const std::string text = NextText(data);
    const std::string other = NextText(data);
    const TypedValue t = TypedValue::Text(text.c_str());
    const TypedValue o = TypedValue::Text(other.c_str());
    const auto len = int64_t(text.size());

    Check(Call(TextLength, {t}).AsInt() == len);

    const std::string left = Take(Call(LeftText, {t, TypedValue::Int(a)}));
    Check(left == text.substr(0, size_t(std::clamp<int64_t>(a, 0, len))));

    const std::string right = Take(Call(RightText, {t, TypedValue::Int(a)}));
    const int64_t right_n = std::clamp<int64_t>(a, 0, len);
    Check(right == text.substr(size_t(len - right_n)));

    const std::string mid = Take(Call(MidText, {t, TypedValue::Int(a), TypedValue::Int(b)}));
    const int64_t pos = int64_t(a) - 1;
    if (pos < 0 || pos >= len || b <= 0)
        Check(mid.empty());
    else
        Check(mid == text.substr(size_t(pos), size_t(std::min<int64_t>(b, len - pos))));

    const int32_t found = Call(FindText, {t, o, start, ignore_case}).AsInt();
    Check(found == -1 || (found >= 1 && found <= std::max<int64_t>(len, 1)));
    if (found >= 1 && !other.empty() && ignore_case.Low() == 0)
        Check(text.compare(size_t(found - 1), other.size(), other) == 0);

    const TypedValue replacement = replacement_given ? o : TypedValue::Omitted();
    const std::string replaced = Take(
        Call(ReplaceText, {t, TypedValue::Int(a), TypedValue::Int(b), replacement}));
    const int64_t at = std::clamp<int64_t>(int64_t(a) - 1, 0, len);
    const int64_t removed = std::clamp<int64_t>(b, 0, len - at);
    Check(replaced ==
          text.substr(0, size_t(at)) + (replacement_given ? other : "") + text.substr(size_t(at + removed)));

    const int32_t code = Call(CharCode, {t, start}).AsInt();
    Check(code >= -128 && code <= 127);
    return 0;
}
