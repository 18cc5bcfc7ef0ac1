#pragma once
// The pieces of the conversion commands that tests and benchmarks reach on their own.
#include <cstddef>
#include <optional>
#include <string_view>

#include "values/ByteBuffer.h"
#include "values/TypedValue.h"

// The ASCII byte that a GBK full-width form stands for, if any.
//   A3 B1 ("１") -> '1'     A1 A1 (ideographic space) -> ' '     A1 EF ("★") -> '*'     B0 A1 -> none
std::optional<char> FullWidthToAscii(unsigned char first, unsigned char second);

// Walks a GBK text up to its first NUL, handing emit each byte of its normalised form: a byte
// below 0x80 as it is, a pair that map turns into ASCII as that byte, any other pair as its
// two bytes. A lone lead byte before the end is dropped.
template <class Map, class Emit>
void ForEachMappedByte(std::string_view gbk, Map&& map, Emit&& emit)
{
    for (size_t i = 0; i < gbk.size(); ++i) {
        const auto c = static_cast<unsigned char>(gbk[i]);
        if (c == 0)
            return;
        if (c < 0x80) {
            emit(char(c));
            continue;
        }
        if (i + 1 >= gbk.size() || gbk[i + 1] == '\0')
            return;
        const auto second = static_cast<unsigned char>(gbk[++i]);
        if (const std::optional<char> ascii = map(c, second)) {
            emit(*ascii);
        } else {
            emit(char(c));
            emit(char(second));
        }
    }
}

// The same walk with the full-width forms made ASCII, as numbers are read.
template <class Emit>
void ForEachNormalizedByte(std::string_view gbk, Emit&& emit)
{
    ForEachMappedByte(gbk, FullWidthToAscii, emit);
}

// Copies a GBK text into out with its full-width forms made ASCII, NUL-terminated; the text
// ends at its first NUL. A lone lead byte before the end is dropped. out.Size() counts the NUL.
// False when no scratch storage could be had.
bool NormalizeNumberText(std::string_view gbk, ByteBuffer& out);

// The text of a numeric value (byte, short, int, long, float, double) in a buffer of at least
// kNumberTextSize bytes; returns the length, 0 for a type that is not numeric.
size_t FormatNumber(const TypedValue& value, char* buffer);

// The six-digit rounding that ToText applies to a float before "%.6g", in double precision.
//   0.1f -> 0.1     1234567.0f -> 1234570.0
double RoundToSixDigits(float x);
