// ToNumber and ToFloat, and the text-to-number reading they share: full-width GBK forms are
// made ASCII, then the text is read like the C library's atof, with "d" exponents as well.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>

#include "values/Commands.h"
#include "values/FloatText.h"
#include "values/Number.h"
#include "values/NumberText.h"
#include "values/Bits.h"

namespace {

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Exponents beyond this read as this; any such number is far outside the double range.
constexpr int64_t kExponentLimit = 1'000'000'000;

// Reads [digits, end) - digits, an optional point, an optional exponent with any of the
// letters e, E, d, D, already checked by the caller - as a magnitude. sci_exponent is the
// decimal exponent of the first nonzero digit, used to tell overflow from underflow.
double ReadMagnitude(const char* digits, const char* end, const char* letter, int64_t sci_exponent)
{
    std::optional<double> value;
    if (letter != nullptr && (*letter == 'd' || *letter == 'D')) {
        ByteBuffer copy;
        const size_t length = size_t(end - digits);
        if (!copy.Resize(length))
            return 0.0;
        std::memcpy(copy.Data(), digits, length);
        copy.Data()[letter - digits] = 'e';
        value = ReadDecimalDigits(copy.Data(), copy.Data() + length);
    } else {
        value = ReadDecimalDigits(digits, end);
    }
    if (!value)
        return sci_exponent >= 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return *value;
}

}  // namespace

double ReadDecimal(std::string_view ascii, size_t* used)
{
    const char* p = ascii.data();
    const char* const end = p + ascii.size();
    if (used != nullptr)
        *used = 0;
    while (p < end && IsSpace(*p))
        ++p;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    const char* const digits = p;
    bool any_digit = false;
    bool nonzero = false;
    int64_t sci_exponent = 0;
    for (; p < end && IsDigit(*p); ++p) {
        any_digit = true;
        if (nonzero)
            ++sci_exponent;
        else if (*p != '0')
            nonzero = true;
    }
    if (p < end && *p == '.') {
        ++p;
        for (; p < end && IsDigit(*p); ++p) {
            any_digit = true;
            if (!nonzero) {
                --sci_exponent;
                nonzero = *p != '0';
            }
        }
    }
    if (!any_digit)
        return 0.0;
    const char* letter = nullptr;
    if (p < end && (*p == 'e' || *p == 'E' || *p == 'd' || *p == 'D')) {
        const char* q = p + 1;
        bool exponent_negative = false;
        if (q < end && (*q == '+' || *q == '-')) {
            exponent_negative = *q == '-';
            ++q;
        }
        if (q < end && IsDigit(*q)) {
            letter = p;
            int64_t exponent = 0;
            for (; q < end && IsDigit(*q); ++q) {
                if (exponent < kExponentLimit)
                    exponent = exponent * 10 + (*q - '0');
            }
            sci_exponent += exponent_negative ? -exponent : exponent;
            p = q;
        }
    }
    if (used != nullptr)
        *used = size_t(p - ascii.data());
    const double magnitude = nonzero ? ReadMagnitude(digits, p, letter, sci_exponent) : 0.0;
    return negative ? -magnitude : magnitude;
}

std::optional<char> FullWidthToAscii(unsigned char first, unsigned char second)
{
    if (first == 0xA3 && second >= 0xA1 && second <= 0xFE)
        return char(second - 0x80);
    if (first == 0xA1) {
        switch (second) {
        case 0xA1: return ' ';
        case 0xAB: return '~';
        case 0xEE:
        case 0xEF: return '*';
        default: break;
        }
    }
    return std::nullopt;
}

bool NormalizeNumberText(std::string_view gbk, ByteBuffer& out)
{
    // The copy never grows: a pair becomes one or two bytes, and the NUL replaces the end.
    if (!out.Resize(gbk.size() + 1))
        return false;
    char* w = out.Data();
    ForEachNormalizedByte(gbk, [&w](char c) { *w++ = c; });
    *w++ = '\0';
    out.Resize(size_t(w - out.Data()));  // shrinking cannot fail in a way that matters here
    return true;
}

double TextToNumber(std::string_view gbk)
{
    // Until the first byte of 0x80 or more the normalised copy equals the text, and that byte
    // ends any number, so a text without one is read in place.
    size_t length = 0;
    bool plain = true;
    for (; length < gbk.size() && gbk[length] != '\0'; ++length) {
        if (static_cast<unsigned char>(gbk[length]) >= 0x80)
            plain = false;
    }
    if (plain)
        return ReadDecimal(gbk.substr(0, length), nullptr);
    ByteBuffer normalized;
    // Without scratch storage the text is read as it stands: full-width forms then end it.
    if (!NormalizeNumberText(gbk.substr(0, length), normalized))
        return ReadDecimal(gbk.substr(0, length), nullptr);
    return ReadDecimal({normalized.Data(), normalized.Size() - 1}, nullptr);
}

namespace {

// The number that ToNumber makes of any value; ToFloat narrows it, except where a one-step
// rounding to single differs (64-bit integers) or the value is already single.
double ValueToDouble(const TypedValue& value)
{
    switch (value.type) {
    case TYPE_TEXT: {
        const char* text = value.AsText();
        return text != nullptr ? TextToNumber(text) : 0.0;
    }
    case TYPE_BOOL: return double(value.AsInt());
    case TYPE_UINT32: return double(value.Low());
    case TYPE_BYTE: return double(uint8_t(value.Low()));
    case TYPE_SHORT: return double(int16_t(value.Low()));
    case TYPE_INT: return double(value.AsInt());
    case TYPE_LONG: return double(value.AsLong());
    case TYPE_FLOAT: return double(value.AsFloat());
    case TYPE_DOUBLE: return value.AsDouble();
    default: return 0.0;
    }
}

}  // namespace

void ToNumber(TypedValue* result, int32_t /*count*/, const TypedValue* args)
{
    result->payload = BitCast<uint64_t>(ValueToDouble(args[0]));
}

void ToFloat(TypedValue* result, int32_t /*count*/, const TypedValue* args)
{
    const TypedValue& value = args[0];
    float single;
    switch (value.type) {
    case TYPE_LONG: single = float(value.AsLong()); break;
    case TYPE_FLOAT: single = value.AsFloat(); break;
    default: single = float(ValueToDouble(value)); break;
    }
    result->payload = BitCast<uint32_t>(single);
}
