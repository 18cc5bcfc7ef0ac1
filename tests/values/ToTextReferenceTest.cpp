// ToText of doubles against a reference built another way: the C library's correctly rounded
// "%.16e" for the 17-digit step, then an integer half-up cut and a string layout of its own.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "values/FloatText.h"
#include "values/Number.h"
#include "values/Bits.h"

namespace {

constexpr int kPrecision = 13;
constexpr uint64_t kTenTo4 = 10'000;
constexpr uint64_t kTenTo12 = 1'000'000'000'000;
constexpr uint64_t kTenTo13 = 10'000'000'000'000;

// The 17 significant digits of |x| as an integer and the exponent of the first one.
void SeventeenDigits(double x, uint64_t* digits, int* exponent)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.16e", std::fabs(x));
    std::string mantissa(text, 1);
    mantissa.append(text + 2, 16);
    *digits = std::stoull(mantissa);
    *exponent = std::atoi(std::strchr(text, 'e') + 1);
}

std::string Reference(double x)
{
    if (x == 0.0)
        return "0";
    uint64_t digits;
    int exponent;
    SeventeenDigits(x, &digits, &exponent);
    uint64_t kept = digits / kTenTo4;
    if (digits % kTenTo4 >= kTenTo4 / 2)
        ++kept;
    if (kept == kTenTo13) {
        kept = kTenTo12;
        ++exponent;
    }
    std::string significant = std::to_string(kept);
    while (significant.size() > 1 && significant.back() == '0')
        significant.pop_back();

    std::string text = x < 0 ? "-" : "";
    if (exponent < -4 || exponent >= kPrecision) {
        text += significant.substr(0, 1);
        if (significant.size() > 1)
            text += "." + significant.substr(1);
        char tail[16];
        std::snprintf(tail, sizeof tail, "e%c%03d", exponent < 0 ? '-' : '+', std::abs(exponent));
        return text + tail;
    }
    if (exponent < 0)
        return text + "0." + std::string(size_t(-exponent - 1), '0') + significant;
    std::string whole = significant.substr(0, std::min(significant.size(), size_t(exponent + 1)));
    whole.resize(size_t(exponent + 1), '0');
    text += whole;
    if (significant.size() > size_t(exponent + 1))
        text += "." + significant.substr(size_t(exponent + 1));
    return text;
}

std::string Formatted(double x)
{
    char buffer[kNumberTextSize];
    const size_t length = FormatDouble(x, buffer);
    return std::string(buffer, length);
}

// Whether the C library's correctly rounded "%.13g" gives another number than ToText.
bool CRoundingDiffers(double x)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.13g", x);
    return std::strtod(text, nullptr) != TextToNumber(Formatted(x));
}

// Checks x and -x against the reference, and that reading the text back and writing it
// again gives the same text.
void ExpectMatchesReference(double x, const char* what)
{
    for (const double value : {x, -x}) {
        const std::string text = Formatted(value);
        ASSERT_EQ(text, Reference(value)) << what << ' ' << std::hexfloat << value;
        ASSERT_EQ(Formatted(TextToNumber(text)), text) << what << " read back " << std::hexfloat << value;
    }
}

TEST(ToTextReference, RandomDoublesOverTheWholeExponentRange)
{
    std::mt19937_64 random(20240611);
    int checked = 0;
    while (checked < 100'000) {
        const auto x = BitCast<double>(random());
        if (!std::isfinite(x))
            continue;
        ExpectMatchesReference(std::fabs(x), "random");
        ++checked;
    }
}

// The seventeen-digit step itself, where numbers are mostly found: spread evenly over the
// decimal exponents from -7 to 18, and next to every power of ten and every tie at the
// eighteenth digit a short binary fraction makes.
TEST(ToTextReference, TheSeventeenDigitStepIsTheCLibrarys)
{
    const auto expect_step = [](double x) {
        char ours[32] = {}, reference[40];
        ours[WriteSeventeenDigits(x, ours)] = '\0';
        std::snprintf(reference, sizeof reference, "%.16e", x);
        EXPECT_STREQ(ours, reference) << std::hexfloat << x;
    };
    std::mt19937_64 random(20261207);
    for (int i = 0; i < 100'000; ++i)
        expect_step(std::pow(10.0, -7.0 + 25.0 * double(random() >> 11) / 9007199254740992.0));
    for (int e = -7; e <= 18; ++e) {
        const double power = std::pow(10.0, e);
        for (const double x : {power, std::nextafter(power, 0.0), std::nextafter(power, 1e300)})
            expect_step(x);
    }
    for (int k = 1; k <= 60; ++k)
        for (uint64_t odd = 1; odd < 2000; odd += 2)
            expect_step(std::ldexp(double(odd), -k));
}

// Every double that is exactly halfway between two 13-digit decimals is d * 10^e with d a
// 14-digit number ending in 5: for e < 0 that is q / 2^-e with q = d / 5^-e odd, for e >= 0 an
// integer below 2^53 times a power of two.
TEST(ToTextReference, ExactTiesAtTheThirteenthDigitRoundAwayFromZero)
{
    std::mt19937_64 random(7);
    int ties = 0;
    int ties_to_odd = 0;  // where round-half-even would have gone down
    uint64_t power_of_five = 1;
    for (int k = 1; k <= 20; ++k) {
        power_of_five *= 5;
        const uint64_t q_low = (kTenTo13 + power_of_five - 1) / power_of_five;
        const uint64_t q_high = (10 * kTenTo13 - 1) / power_of_five;
        if (q_low > q_high)
            continue;
        for (int i = 0; i < 500; ++i) {
            const uint64_t q = (q_low + random() % (q_high - q_low + 1)) | 1;
            if (q > q_high)
                continue;
            const double x = std::ldexp(double(q), -k);
            ExpectMatchesReference(x, "tie");
            ExpectMatchesReference(std::nextafter(x, 0.0), "below tie");
            ExpectMatchesReference(std::nextafter(x, 1e300), "above tie");
            // The tie goes up: the text is above the value.
            ASSERT_GT(TextToNumber(Formatted(x)), x) << std::hexfloat << x;
            ties_to_odd += CRoundingDiffers(x);
            ++ties;
        }
    }
    for (int e = 0; e <= 4; ++e) {
        for (int i = 0; i < 500; ++i) {
            const uint64_t d = (kTenTo13 + random() % (9 * kTenTo13)) / 10 * 10 + 5;
            uint64_t value = d;
            for (int j = 0; j < e; ++j)
                value *= 10;
            const double x = double(value);
            if (uint64_t(x) != value)
                continue;
            ExpectMatchesReference(x, "integer tie");
            ++ties;
        }
    }
    EXPECT_GT(ties, 10'000);
    EXPECT_GT(ties_to_odd, ties / 4);
}

// Doubles whose 17-digit form ends in 5000 without being a tie: the 17-digit step makes them
// one, and they round up even when the exact value lies below the tie.
TEST(ToTextReference, TiesMadeByTheSeventeenDigitStepRoundUp)
{
    std::mt19937_64 random(11);
    int found = 0;
    int below_tie = 0;  // exact value below the tie: a correct rounding goes down
    for (int attempt = 0; attempt < 200'000 && found < 5'000; ++attempt) {
        char decimal[48];
        const uint64_t prefix = kTenTo12 + random() % (9 * kTenTo12);
        const int exponent = int(random() % 600) - 300;
        std::snprintf(decimal, sizeof decimal, "%llu5000e%d", static_cast<unsigned long long>(prefix),
                      exponent - 16);
        const double x = std::strtod(decimal, nullptr);
        uint64_t digits;
        int x_exponent;
        SeventeenDigits(x, &digits, &x_exponent);
        if (digits != prefix * kTenTo4 + 5000 || x_exponent != exponent)
            continue;
        ExpectMatchesReference(x, "17-digit tie");
        ExpectMatchesReference(std::nextafter(x, 0.0), "below 17-digit tie");
        below_tie += CRoundingDiffers(x);
        ++found;
    }
    EXPECT_GT(found, 1'000);
    EXPECT_GT(below_tie, found / 4);
}

}  // namespace
