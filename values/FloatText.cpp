#include "values/FloatText.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#if !ANGLARIX_PORTABLE_FLOAT_TEXT
#include <charconv>
#endif

size_t WriteSeventeenDigits(double magnitude, char* out)
{
#if ANGLARIX_PORTABLE_FLOAT_TEXT
    const int length = std::snprintf(out, 32, "%.16e", magnitude);
    return length > 0 ? size_t(length) : 0;
#else
    const auto written = std::to_chars(out, out + 32, magnitude, std::chars_format::scientific, 16);
    return size_t(written.ptr - out);
#endif
}

bool ReadDecimalDigits(const char* first, const char* last, double& value)
{
#if ANGLARIX_PORTABLE_FLOAT_TEXT
    // strtod wants a NUL after the digits; it also reads "inf", signs and hex, which the
    // caller's range never holds.
    const std::string digits(first, last);
    errno = 0;
    const double read = std::strtod(digits.c_str(), nullptr);
    // Beyond the range on either side, as from_chars reports it: a subnormal is in range.
    if (errno == ERANGE && (std::isinf(read) || read == 0.0))
        return false;
    value = read;
    return true;
#else
    const auto read = std::from_chars(first, last, value);
    return read.ec != std::errc::result_out_of_range;
#endif
}
