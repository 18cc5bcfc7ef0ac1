#pragma once
// The UTF-8 steps both GBK converters share.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Length of the well-formed UTF-8 sequence starting at text[0], or 0 when it is not one
// (overlong forms, surrogates and code points past U+10FFFF are not well-formed).
//   "a" -> 1     "中" -> 3     "\xC0\xAF" -> 0     "\xE4\xB8" (cut short) -> 0
size_t Utf8SequenceLength(std::string_view text);

// The code point of a sequence Utf8SequenceLength accepted, of that length.
uint32_t Utf8CodePoint(std::string_view sequence);

void AppendUtf8(std::string& out, uint32_t code_point);
