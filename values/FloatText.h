#pragma once
// Correctly rounded decimal conversions of doubles, the two steps the number texts rest on.
// Through <charconv> where the standard library has them for floating point; otherwise (the
// WebAssembly build's older library, or ANGLARIX_PORTABLE_FLOAT_TEXT) through the C library's
// strtod and snprintf, correctly rounded in glibc and musl alike: the texts are the same.
#include <cstddef>
#include <optional>
#include <version>

#if !defined(ANGLARIX_PORTABLE_FLOAT_TEXT) && !(defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L)
#define ANGLARIX_PORTABLE_FLOAT_TEXT 1
#endif

// 10^0 to 10^39, each the double nearest to the power: exactly the power up to 10^22.
inline constexpr double kPowersOfTen[] = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11, 1e12, 1e13,
    1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22, 1e23, 1e24, 1e25, 1e26, 1e27,
    1e28, 1e29, 1e30, 1e31, 1e32, 1e33, 1e34, 1e35, 1e36, 1e37, 1e38, 1e39,
};

// Writes a positive finite magnitude as "d.dddddddddddddddde+dd" (17 significant digits);
// returns the length. out holds at least 32 bytes.
//   0.1 -> "1.0000000000000001e-01"     1e300 -> "1.0000000000000001e+300"
size_t WriteSeventeenDigits(double magnitude, char* out);

// Reads [first, last), digits with an optional point and an optional "e" exponent and nothing
// else. None when the value lies beyond the double range; a value below the smallest
// subnormal reads as 0 and is in range.
std::optional<double> ReadDecimalDigits(const char* first, const char* last);
