#pragma once
// The number <-> text rules shared by the commands and the expression engine, without
// TypedValue records or blocks.
#include <cstddef>
#include <string_view>

// Text-to-number of ToNumber: full-width forms to ASCII, then an atof-style decimal read
// ("d"/"D" exponents, no hex/inf/nan). No number gives +0.0.
//   "  12.5abc" -> 12.5     "１２．５" -> 12.5     "1d3" -> 1000     "-0" -> -0.0
double TextToNumber(std::string_view gbk);
// The same read as TextToNumber, reporting how many bytes of the already-ASCII text it used,
// leading white space and sign included (0 when there is no number). Used where the engine
// needs the written span of an operand.
//   "12+3" -> 12, used 2     " -1.5e3*2" -> -1500, used 8     "1e+" -> 1, used 1     "-" -> 0, used 0
double ReadDecimal(std::string_view ascii, size_t* used);

constexpr size_t kNumberTextSize = 100;
// The longest text FormatDouble makes at 13 digits: "-1.234567890123e-308".
constexpr size_t kLongestDoubleText = 20;
// Writes a double as the user sees it: 13 significant digits, half away from zero after a
// 17-digit step, exponent of at least three digits. Returns the length (buffer >= 100 bytes).
//   0.5 -> "0.5"     1e13 -> "1e+013"     2^-20 -> "9.536743164063e-007"     inf -> "1.#INF"
size_t FormatDouble(double value, char* buffer, int precision = 13);
