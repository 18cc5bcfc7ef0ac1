#pragma once
// Byte classes shared by the three stages of the expression engine. The engine works on GBK
// bytes; every byte it gives a meaning to is ASCII.
#include <string>
#include <string_view>

#include "values/Number.h"

namespace engine {

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsSign(char c) { return c == '+' || c == '-'; }
inline bool IsExponentLetter(char c) { return c == 'e' || c == 'E'; }
// The bytes that can act as an operator ("-" only away from the first byte).
inline bool IsOperatorByte(char c) { return c == '^' || c == '*' || c == '/' || c == '+' || c == '-'; }

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

// Appends the text ToText makes of value.
inline void AppendNumberText(std::string& out, double value)
{
    char buffer[kNumberTextSize];
    out.append(buffer, FormatDouble(value, buffer));
}

// The text up to its first NUL, as a NUL-terminated text would end there.
inline std::string_view UpToNul(std::string_view text)
{
    return text.substr(0, text.find('\0'));
}

}  // namespace engine
