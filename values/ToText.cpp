// ToText: any value as a new text. Numbers follow the C library's "%g" with a three-digit
// exponent field, reached through a correctly rounded 17-digit step and a half-up cut.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

#include "values/Blocks.h"
#include "values/Commands.h"
#include "values/FloatText.h"
#include "values/Number.h"
#include "values/NumberText.h"
#include "values/TextBlocks.h"
#include "values/Bits.h"

namespace {

constexpr int kStepDigits = 17;

// The ‹1.#INF› family, chosen from the sign and fraction bits of either width.
size_t WriteNonFinite(bool negative, bool infinite, bool quiet, bool only_top_bit, char* buffer)
{
    const char* text;
    if (infinite)
        text = negative ? "-1.#INF" : "1.#INF";
    else if (negative && only_top_bit)
        text = "-1.#IND";  // the default NaN of an invalid operation
    else if (quiet)
        text = negative ? "-1.#QNAN" : "1.#QNAN";
    else
        text = negative ? "-1.#SNAN" : "1.#SNAN";
    const size_t length = std::strlen(text);
    std::memcpy(buffer, text, length + 1);
    return length;
}

// Writes the P significant digits (trailing zeros already dropped to kept) with the decimal
// exponent of the first one, in "%g" layout.
char* LayOut(const char* digits, int kept, int exponent, int precision, char* out)
{
    if (exponent < -4 || exponent >= precision) {
        *out++ = digits[0];
        if (kept > 1) {
            *out++ = '.';
            std::memcpy(out, digits + 1, size_t(kept - 1));
            out += kept - 1;
        }
        *out++ = 'e';
        *out++ = exponent < 0 ? '-' : '+';
        const int magnitude = std::abs(exponent);
        *out++ = char('0' + magnitude / 100);
        *out++ = char('0' + magnitude / 10 % 10);
        *out++ = char('0' + magnitude % 10);
        return out;
    }
    if (exponent < 0) {
        *out++ = '0';
        *out++ = '.';
        std::memset(out, '0', size_t(-exponent - 1));
        out += -exponent - 1;
        std::memcpy(out, digits, size_t(kept));
        return out + kept;
    }
    const int whole = exponent + 1;
    if (kept <= whole) {
        std::memcpy(out, digits, size_t(kept));
        std::memset(out + kept, '0', size_t(whole - kept));
        return out + whole;
    }
    std::memcpy(out, digits, size_t(whole));
    out += whole;
    *out++ = '.';
    std::memcpy(out, digits + whole, size_t(kept - whole));
    return out + (kept - whole);
}

// A whole number below 10^precision (precision 1 to 17) is written as its digits, as the
// general way below would write it; the steps of a long sum or count are mostly such. 0 when
// value is not one.
size_t WriteWholeNumber(double value, int precision, char* buffer)
{
    const double magnitude = std::fabs(value);
    if (!(magnitude >= 1.0 && magnitude < kPowersOfTen[precision]) || magnitude != std::floor(magnitude))
        return 0;
    const auto written = std::to_chars(buffer, buffer + kNumberTextSize - 1, int64_t(value));
    *written.ptr = '\0';
    return size_t(written.ptr - buffer);
}

}  // namespace

size_t FormatDouble(double value, char* buffer, int precision)
{
    precision = std::clamp(precision, 1, kStepDigits);
    const auto bits = BitCast<uint64_t>(value);
    const bool negative = (bits >> 63) != 0;
    constexpr uint64_t kExponentMask = 0x7FF0000000000000;
    constexpr uint64_t kFractionMask = 0x000FFFFFFFFFFFFF;
    constexpr uint64_t kQuietBit = uint64_t(1) << 51;
    if ((bits & kExponentMask) == kExponentMask) {
        const uint64_t fraction = bits & kFractionMask;
        return WriteNonFinite(negative, fraction == 0, (fraction & kQuietBit) != 0, fraction == kQuietBit,
                              buffer);
    }
    if (value == 0.0) {
        buffer[0] = '0';
        buffer[1] = '\0';
        return 1;
    }
    if (const size_t written = WriteWholeNumber(value, precision, buffer))
        return written;

    // "d.dddddddddddddddde+dd": 17 digits, correctly rounded.
    char step[32];
    const size_t written = WriteSeventeenDigits(std::fabs(value), step);
    char digits[kStepDigits];
    digits[0] = step[0];
    std::memcpy(digits + 1, step + 2, kStepDigits - 1);
    int exponent = 0;
    std::from_chars(step + kStepDigits + 3, step + written, exponent);  // skips "e" and its sign
    if (step[kStepDigits + 2] == '-')
        exponent = -exponent;

    // Half up at digit P: a tie left by the 17-digit step rounds away from zero.
    if (precision < kStepDigits && digits[precision] >= '5') {
        int i = precision - 1;
        while (i >= 0 && digits[i] == '9')
            digits[i--] = '0';
        if (i < 0) {
            digits[0] = '1';
            ++exponent;
        } else {
            ++digits[i];
        }
    }
    int kept = precision;
    while (kept > 1 && digits[kept - 1] == '0')
        --kept;

    char* out = buffer;
    if (negative)
        *out++ = '-';
    out = LayOut(digits, kept, exponent, precision, out);
    *out = '\0';
    return size_t(out - buffer);
}

double RoundToSixDigits(float x)
{
    constexpr double kLog10Of2 = 0.30102999566398119521;
    const auto bits = BitCast<uint32_t>(x);
    const int e2 = int8_t(uint8_t(((bits >> 23) & 0xFF) - 127));
    const double scaled_e2 = e2 * kLog10Of2;
    int e10 = int(scaled_e2);  // truncation toward zero
    double p = kPowersOfTen[std::abs(e10)];
    const double magnitude = std::fabs(double(x));
    double y = e10 > 0 ? magnitude / p : magnitude * p;
    if (y >= 10.0) {
        p = p * 10.0;
        e10 = e10 + 1;
        y = y * 10000.0;
    } else if (y < 1.0) {
        p = p * 10.0;
        e10 = e10 - 1;
        y = y * 1000000.0;
    } else {
        y = y * 100000.0;
    }
    double r = std::floor(y);
    if (y - r >= 0.5)
        r = r + 1.0;
    const double s = double(x) >= 0.0 ? p : -p;
    if (e10 > 0) {
        const double step = s * 0.00001;
        return r * step;
    }
    const double step = s * 100000.0;
    return r / step;
}

size_t FormatNumber(const TypedValue& value, char* buffer)
{
    char* const end = buffer + kNumberTextSize - 1;
    std::to_chars_result written{buffer, std::errc()};
    switch (value.type) {
    case TYPE_DOUBLE: return FormatDouble(value.AsDouble(), buffer, 13);
    case TYPE_FLOAT: {
        const float single = value.AsFloat();
        if (!std::isfinite(single)) {
            constexpr uint32_t kFractionMask = 0x007FFFFF;
            constexpr uint32_t kQuietBit = uint32_t(1) << 22;
            const auto bits = BitCast<uint32_t>(single);
            const uint32_t fraction = bits & kFractionMask;
            return WriteNonFinite((bits >> 31) != 0, fraction == 0, (fraction & kQuietBit) != 0,
                                  fraction == kQuietBit, buffer);
        }
        return FormatDouble(RoundToSixDigits(single), buffer, 6);
    }
    case TYPE_INT: written = std::to_chars(buffer, end, value.AsInt()); break;
    case TYPE_SHORT: written = std::to_chars(buffer, end, int16_t(value.Low())); break;
    case TYPE_BYTE: written = std::to_chars(buffer, end, unsigned(uint8_t(value.Low()))); break;
    case TYPE_LONG: written = std::to_chars(buffer, end, value.AsLong()); break;
    default: break;
    }
    *written.ptr = '\0';
    return size_t(written.ptr - buffer);
}

namespace {

constexpr double kFirstDay = -657434.0;  // 1 January 100
constexpr double kLastDay = 2958465.0;   // 31 December 9999
constexpr int64_t kDaysFrom1970To1899_12_30 = -25569;
constexpr int64_t kSecondsPerDay = 86400;

struct CivilDate {
    int64_t year;
    int month;
    int day;
};

// Proleptic Gregorian date of a day count from 1 January 1970.
CivilDate CivilFromDays(int64_t days)
{
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t day_of_era = days - era * 146097;
    const int64_t year_of_era = (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) /
                                365;
    const int64_t day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
    const int64_t shifted_month = (5 * day_of_year + 2) / 153;
    const int day = int(day_of_year - (153 * shifted_month + 2) / 5 + 1);
    const int month = int(shifted_month < 10 ? shifted_month + 3 : shifted_month - 9);
    return {year_of_era + era * 400 + (month <= 2), month, day};
}

// An OLE Automation date: whole days from 30 December 1899, and a fraction that is the time
// of day forward from that day's midnight whatever the sign (-1.25 is 29 December, 6:00).
// Times round to the nearest second.
size_t FormatOleDate(double value, char* buffer, size_t size)
{
    double whole = std::isnan(value) ? 0.0 : std::trunc(value);
    double fraction = std::isnan(value) ? 0.0 : std::fabs(value - whole);
    if (whole < kFirstDay || whole > kLastDay) {
        whole = std::clamp(whole, kFirstDay, kLastDay);
        fraction = 0.0;
    }
    auto day = int64_t(whole);
    int64_t seconds = std::llround(fraction * double(kSecondsPerDay));
    if (seconds >= kSecondsPerDay) {
        if (day < int64_t(kLastDay)) {
            ++day;
            seconds -= kSecondsPerDay;
        } else {
            seconds = kSecondsPerDay - 1;
        }
    }
    const CivilDate date = CivilFromDays(day + kDaysFrom1970To1899_12_30);
    const int hour = int(seconds / 3600);
    const int minute = int(seconds / 60 % 60);
    const int second = int(seconds % 60);
    // GBK: 年 月 日, then 时 分 秒.
    int length = std::snprintf(buffer, size, "%d\xC4\xEA%d\xD4\xC2%d\xC8\xD5", int(date.year), date.month,
                               date.day);
    const size_t rest = size - size_t(length);
    if (second != 0)
        length += std::snprintf(buffer + length, rest, "%d\xCA\xB1%d\xB7\xD6%d\xC3\xEB", hour, minute, second);
    else if (minute != 0)
        length += std::snprintf(buffer + length, rest, "%d\xCA\xB1%d\xB7\xD6", hour, minute);
    else if (hour != 0)
        length += std::snprintf(buffer + length, rest, "%d\xCA\xB1", hour);
    return size_t(length);
}

// The bytes of a raw block up to, not including, the first zero byte.
size_t BytesBeforeZero(const char* bytes, size_t count)
{
    if (count == 0)
        return 0;  // an empty set may have no address at all, which memchr must not see
    const void* zero = std::memchr(bytes, 0, count);
    return zero != nullptr ? size_t(static_cast<const char*>(zero) - bytes) : count;
}

std::string_view ByteSetText(const void* block)
{
    const std::span<const uint8_t> bytes = ByteSetContents(block);
    const auto* data = reinterpret_cast<const char*>(bytes.data());
    return {data, BytesBeforeZero(data, bytes.size())};
}

// Array block: int32 dimension count d, d int32 sizes, then the elements. Several dimensions
// are read as their elements in storage order.
std::string_view ArrayText(const void* block, uint32_t element_type)
{
    const int element_size = NumericElementSize(element_type);
    if (block == nullptr || element_size == 0)
        return {};
    const auto* header = static_cast<const char*>(block);
    uint32_t dimensions;
    std::memcpy(&dimensions, header, sizeof dimensions);
    if (dimensions == 0)
        return {};
    uint64_t elements = 1;
    for (uint32_t i = 0; i < dimensions; ++i) {
        uint32_t extent;
        std::memcpy(&extent, header + 4 + 4 * size_t(i), sizeof extent);
        elements *= extent;
        if (elements > UINT32_MAX)  // no block of the runtime holds more; the header is bad
            return {};
    }
    const char* data = header + 4 + 4 * size_t(dimensions);
    return {data, BytesBeforeZero(data, size_t(elements) * size_t(element_size))};
}

// The empty text stays null.
void SetTextResult(TypedValue* result, std::string_view text)
{
    result->payload = uint64_t(uintptr_t(NewText(text.data(), ptrdiff_t(text.size()))));
}

}  // namespace

void ToText(TypedValue* result, int32_t /*count*/, const TypedValue* args)
{
    const TypedValue& value = args[0];
    if ((value.type & TYPE_ARRAY_FLAG) != 0) {
        const uint32_t element_type = value.type & ~TYPE_ARRAY_FLAG;
        if (IsNumericType(element_type))
            SetTextResult(result, ArrayText(value.AsAddress(), element_type));
        return;
    }
    char buffer[kNumberTextSize];
    switch (value.type) {
    case TYPE_DOUBLE:
    case TYPE_FLOAT:
    case TYPE_INT:
    case TYPE_SHORT:
    case TYPE_BYTE:
    case TYPE_LONG: SetTextResult(result, {buffer, FormatNumber(value, buffer)}); return;
    case TYPE_TEXT:
        if (value.AsText() != nullptr)
            SetTextResult(result, value.AsText());
        return;
    case TYPE_BOOL:
        SetTextResult(result, value.Low() != 0 ? "\xD5\xE6" : "\xBC\xD9");  // 真, 假
        return;
    case TYPE_DATETIME:
        SetTextResult(result, {buffer, FormatOleDate(value.AsDouble(), buffer, sizeof buffer)});
        return;
    case TYPE_BYTESET: SetTextResult(result, ByteSetText(value.AsAddress())); return;
    default: return;
    }
}
