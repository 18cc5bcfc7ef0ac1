#pragma once
// Byte classes shared by the three stages of the expression engine. The engine works on GBK
// bytes; every byte it gives a meaning to is ASCII.
#include <optional>
#include <string>
#include <string_view>

#include "values/Number.h"
#include "values/NumberText.h"

namespace engine {

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsSign(char c) { return c == '+' || c == '-'; }
inline bool IsExponentLetter(char c) { return c == 'e' || c == 'E'; }
// The bytes that can act as an operator ("-" only away from the first byte).
inline bool IsOperatorByte(char c) { return c == '^' || c == '*' || c == '/' || c == '+' || c == '-'; }

// The bytes that pass the filter unconditionally: digits, the point, the operators and the
// backslash (which is carried along as neither an operator nor part of a number).
inline bool IsKeptByte(char c)
{
    switch (c) {
    case '*':
    case '+':
    case '-':
    case '.':
    case '/':
    case '\\':
    case '^': return true;
    default: return IsDigit(c);
    }
}

// A sign at index i of text belongs to an exponent when it follows a letter e or E that itself
// follows a digit or a point, and a digit follows it: "2e-5" holds no subtraction.
// The neighbours are given as bytes; NUL stands for "no byte there".
inline bool IsExponentSignBetween(char two_before, char one_before, char after)
{
    return IsExponentLetter(one_before) && (IsDigit(two_before) || two_before == '.') && IsDigit(after);
}
inline bool IsExponentSign(std::string_view text, size_t i)
{
    return i >= 2 && i + 1 < text.size() && IsSign(text[i]) &&
           IsExponentSignBetween(text[i - 2], text[i - 1], text[i + 1]);
}

// The ASCII byte an expression character stands for: × ÷ 。 as a Chinese input method types
// them (GBK A1C1, A1C2, A1A3), then the full-width forms that numbers are read with.
//   A1 C1 -> '*'     A1 C2 -> '/'     A1 A3 -> '.'     A3 B5 ("５") -> '5'
inline std::optional<char> InputFormToAscii(unsigned char first, unsigned char second)
{
    if (first == 0xA1 && second == 0xC1)
        return '*';
    if (first == 0xA1 && second == 0xC2)
        return '/';
    if (first == 0xA1 && second == 0xA3)
        return '.';
    return FullWidthToAscii(first, second);
}

// A box text as an expression reads it: up to its first NUL, × ÷ 。 and full-width forms
// made ASCII; other characters stay.
inline std::string InputText(std::string_view gbk)
{
    std::string text;
    ForEachMappedByte(gbk, InputFormToAscii, [&text](char c) { text.push_back(c); });
    return text;
}

// Appends the text ToText makes of value.
inline void AppendNumberText(std::string& out, double value)
{
    char buffer[kNumberTextSize];
    out.append(buffer, FormatDouble(value, buffer));
}

// The text up to its first NUL, as a NUL-terminated text would end there.
inline std::string_view UpToNul(std::string_view text) { return text.substr(0, text.find('\0')); }

}  // namespace engine
