// The three angle computations: single-precision boxes, the ten-decimal pi, the range test
// with its slack, and the empty text where no angle exists.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "calc/AngleRatios.h"

namespace {

struct Case {
    const char* a;
    const char* b;
    const char* expected;
};

using AngleFunction = AngleText (*)(std::string_view, std::string_view);

void ExpectAll(AngleFunction function, const std::vector<Case>& cases)
{
    for (const Case& c : cases)
        EXPECT_EQ(function(c.a, c.b).text, c.expected) << "boxes: \"" << c.a << "\", \"" << c.b << "\"";
}

TEST(AngleRatios, ArcSine)
{
    // clang-format off
    ExpectAll(ArcSineText, {
        {"1", "2", "30.00000000086"},
        {"1", "1", "90.00000000257"},
        {"-1", "1", "-90.00000000257"},
        {"0.1", "0.3", "19.47122013196"},   // singles, not 19.47122063505
        {"1", "3", "19.47122063505"},
        {"12abc", "24", "30.00000000086"},  // the leading number counts
        {"abc", "2", "0"},
        {"3.0000002", "3", "90.00000000257"},  // within the slack: taken as exactly 1
        {"-3.0000002", "3", "-90.00000000257"},
    });
    // clang-format on
}

TEST(AngleRatios, ArcCosine)
{
    // clang-format off
    ExpectAll(ArcCosineText, {
        {"1", "2", "59.99999999914"},
        {"1", "1", "-2.572381737566e-009"},
        {"-1", "1", "180.0000000026"},
        {"0", "1", "90"},
        {"1", "-2", "120.0000000009"},
        {"3.0000002", "3", "-2.572381737566e-009"},
    });
    // clang-format on
}

TEST(AngleRatios, ArcTangent)
{
    // clang-format off
    ExpectAll(ArcTangentText, {
        {"1", "1", "45.00000000129"},
        {"1", "", "90.00000000257"},
        {"-1", "", "-90.00000000257"},
        {"0", "5", "0"},
    });
    // clang-format on
}

// A ratio that is not a number has no angle: both sides 0, both empty, both infinite as singles.
TEST(AngleRatios, ArcTangentWithoutARatio)
{
    ExpectAll(ArcTangentText, {{"", "", ""}, {"0", "0", ""}, {"1e39", "1e39", ""}, {"abc", "0", ""}});
}

// × ÷ 。 as an input method types them, and full-width forms, read as ASCII in every box.
TEST(AngleRatios, InputMethodForms)
{
    ExpectAll(ArcSineText, {{"0\xA1\xA3"
                             "5",
                             "1", "30.00000000086"},
                            {"1", "\xA3\xB2", "30.00000000086"}});
    ExpectAll(ArcTangentText, {{"1",
                                "1\xA1\xA3"
                                "0",
                                "45.00000000129"}});
    ExpectAll(ArcCosineText, {{"0\xA1\xA3"
                               "5",
                               "1", "59.99999999914"}});
}

// No angle has the ratio: out of range, or not a number (0/0). The box is emptied.
TEST(AngleRatios, NoAngleGivesTheEmptyText)
{
    // clang-format off
    const std::vector<Case> cases = {
        {"2", "1", ""}, {"", "", ""}, {"1", "0", ""}, {"0", "0", ""}, {"-2", "1", ""},
        {"1.000001", "1", ""},
    };
    // clang-format on
    ExpectAll(ArcSineText, cases);
    ExpectAll(ArcCosineText, cases);
}

TEST(AngleRatios, RatioHelpers)
{
    EXPECT_FALSE(RatioArcSine(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(RatioArcCosine(1.0 + 2e-7));
    EXPECT_FALSE(RatioArcCosine(-1.0 - 2e-7));
    ASSERT_TRUE(RatioArcSine(1.0 + 5e-8));
    EXPECT_EQ(*RatioArcSine(1.0 + 5e-8), std::atan(std::numeric_limits<double>::infinity()));
    ASSERT_TRUE(RatioArcCosine(0.0));
    EXPECT_EQ(*RatioArcCosine(0.0), 1.57079632675);
}

}  // namespace
