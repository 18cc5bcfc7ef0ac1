#include "values/FloatText.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <string>

#if !ANGLARIX_PORTABLE_FLOAT_TEXT
#include <charconv>
#endif

// Every number an expression step reads comes through here, so the decimals that need no
// general algorithm take a short way: at most 15 significant digits, within 22 powers of ten
// of a whole number. Such a one is an exact double times (or over) an exact power of ten, and
// one IEEE multiplication or division of exact operands is itself correctly rounded: the
// result is the general one.
namespace {

constexpr int kShortDigits = 15;
constexpr int kExactPowers = 22;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The short decimal [first, last) read exactly; none when it is not one.
std::optional<double> ReadShortDecimal(const char* first, const char* last)
{
    uint64_t mantissa = 0;
    int significant = 0;
    int exponent = 0;  // of the last digit read
    bool point = false;
    const char* p = first;
    for (; p < last && (IsDigit(*p) || (*p == '.' && !point)); ++p) {
        if (*p == '.') {
            point = true;
            continue;
        }
        if (point)
            --exponent;
        if (mantissa == 0 && *p == '0')
            continue;
        if (++significant > kShortDigits)
            return std::nullopt;
        mantissa = mantissa * 10 + uint64_t(*p - '0');
    }
    if (p < last) {
        if (*p != 'e' && *p != 'E')
            return std::nullopt;
        ++p;
        const bool negative = p < last && *p == '-';
        if (p < last && (*p == '+' || *p == '-'))
            ++p;
        int written = 0;
        for (; p < last && IsDigit(*p) && written < 1000; ++p)
            written = written * 10 + (*p - '0');
        if (p != last)
            return std::nullopt;
        exponent += negative ? -written : written;
    }
    if (mantissa == 0)
        return 0.0;
    if (exponent < -kExactPowers || exponent > kExactPowers)
        return std::nullopt;
    return exponent < 0 ? double(mantissa) / kPowersOfTen[-exponent]
                        : double(mantissa) * kPowersOfTen[exponent];
}

// Magnitudes from 10^-5 up to 10^17 in the seventeen-digit layout by integer arithmetic; 0
// for others. The magnitude is exactly m * 2^e, so m * 10^s * 2^e, with s = 16 - (its decimal
// exponent), is its seventeen digits and a remainder, rounded half to even as the general
// conversions round an exact tie.
size_t WriteSeventeenDigitsExactly(double magnitude, char* out)
{
    using Wide = unsigned __int128;
    constexpr uint64_t kLow = 10'000'000'000'000'000, kHigh = 100'000'000'000'000'000;  // 10^16, 10^17
    if (!(magnitude >= 1e-5 && magnitude < 1e17))
        return 0;
    int binary_exponent = 0;
    const auto m = uint64_t(std::ldexp(std::frexp(magnitude, &binary_exponent), 53));
    const int e = binary_exponent - 53;                                   // from -70 to 4 in this range
    int exponent = std::min(16, int(std::floor(std::log10(magnitude))));  // at most one off
    for (int tries = 0; tries < 3; ++tries) {
        const int s = 16 - exponent;  // 0 to 22: m * 10^s stays below 2^127
        Wide scaled = m;
        for (int i = 0; i < s; ++i)
            scaled *= 10;
        Wide quotient = scaled, remainder = 0, half = 0;
        if (e >= 0) {
            quotient <<= e;
        } else {
            quotient = scaled >> -e;
            remainder = scaled & ((Wide(1) << -e) - 1);
            half = Wide(1) << (-e - 1);
        }
        if (quotient < kLow && exponent > -6) {
            --exponent;
            continue;
        }
        if (quotient >= kHigh) {
            ++exponent;
            continue;
        }
        if (quotient < kLow)
            return 0;
        auto digits = uint64_t(quotient);
        if (remainder > half || (remainder == half && half != 0 && (digits & 1) != 0))
            ++digits;
        if (digits == kHigh) {
            digits = kLow;
            ++exponent;
        }
        for (int i = 17; i >= 2; --i, digits /= 10)
            out[i] = char('0' + digits % 10);
        out[0] = char('0' + digits);
        out[1] = '.';
        out[18] = 'e';
        out[19] = exponent < 0 ? '-' : '+';
        out[20] = char('0' + std::abs(exponent) / 10);
        out[21] = char('0' + std::abs(exponent) % 10);
        return 22;
    }
    return 0;
}

}  // namespace

size_t WriteSeventeenDigits(double magnitude, char* out)
{
    if (const size_t written = WriteSeventeenDigitsExactly(magnitude, out))
        return written;
#if ANGLARIX_PORTABLE_FLOAT_TEXT
    const int length = std::snprintf(out, 32, "%.16e", magnitude);
    return length > 0 ? size_t(length) : 0;
#else
    const auto written = std::to_chars(out, out + 32, magnitude, std::chars_format::scientific, 16);
    return size_t(written.ptr - out);
#endif
}

std::optional<double> ReadDecimalDigits(const char* first, const char* last)
{
    if (const std::optional<double> value = ReadShortDecimal(first, last))
        return value;
#if ANGLARIX_PORTABLE_FLOAT_TEXT
    // strtod wants a NUL after the digits; it also reads "inf", signs and hex, which the
    // caller's range never holds.
    const std::string digits(first, last);
    errno = 0;
    const double read = std::strtod(digits.c_str(), nullptr);
    // Beyond the range on either side, as from_chars reports it: a subnormal is in range.
    if (errno == ERANGE && (std::isinf(read) || read == 0.0))
        return std::nullopt;
    return read;
#else
    double value = 0.0;
    if (std::from_chars(first, last, value).ec == std::errc::result_out_of_range)
        return std::nullopt;
    return value;
#endif
}
