// Degrees, minutes and seconds: one rounding on the whole, with its carries.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calc/DegreesMinutesSeconds.h"

namespace {

TEST(DegreesMinutesSeconds, RoundsOnceAndCarries)
{
    // clang-format off
    const struct { double degrees; const char* text; } cases[] = {
        {36.8698976469, "36°52′11.63″"},   // arcsin(3/5)
        {30.00000000086, "30°00′00.00″"},
        {0, "0°00′00.00″"},
        {90, "90°00′00.00″"},
        {45.5, "45°30′00.00″"},
        {10.999998611, "10°59′59.99″"},
        {10.999998612, "11°00′00.00″"},    // 59.995″ rounds up into the next minute and degree
        {0.016665, "0°00′59.99″"},
        {0.0166653, "0°01′00.00″"},        // 59.995″ and more into the next minute
        {-0.5, "-0°30′00.00″"},
        {-36.8698976469, "-36°52′11.63″"},
        {1e-9, "0°00′00.00″"},
        {-1e-9, "0°00′00.00″"},            // nothing left to be negative
        {1e-6, "0°00′00.00″"},
        {2e-6, "0°00′00.01″"},
        {123456789.5, "123456789°30′00.00″"},
        {999999999999.0, "999999999999°00′00.00″"},
        {1e12, ""},
        {-1e300, ""},
        {std::numeric_limits<double>::infinity(), ""},
        {std::nan(""), ""},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(DegreesMinutesSeconds(c.degrees), c.text) << c.degrees;
}

}  // namespace
