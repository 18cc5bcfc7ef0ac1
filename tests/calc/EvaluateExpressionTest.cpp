// EvaluateExpression: trigonometric calls in degrees, their expansion order and extent, the
// texts that come back unchanged, exponent texts read back as numbers, full-width input.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/EvaluateExpression.h"
#include "tests/calc/TextCases.h"

namespace {

void ExpectAll(const std::vector<TextCase>& cases)
{
    ExpectTexts([](const std::string& text) { return EvaluateExpression(text); }, cases);
}

TEST(EvaluateExpression, FunctionValuesInDegrees)
{
    // clang-format off
    ExpectAll({
        {"sin(30)", "0.499999999987"},   {"sin(10)", "0.173648177662"},
        {"cos(60)", "0.5000000000259"},  {"tg(45)", "0.9999999999551"},
        {"ctg(45)", "1.000000000045"},   {"sin(90)", "1"},
        {"sin(0)", "0"},                 {"tg(90)", "22273405433.95"},
        {"2*sin(30)", "0.999999999974"}, {"sin(30)+cos(60)", "1.000000000013"},
        {"tg(30)*ctg(30)", "1"},         {"sin(10+20)", "0.499999999987"},
        {"sin( 30 )", "0.499999999987"}, {"sin((30))", "0.499999999987"},
        {"sin(-30)", "-0.499999999987"},
    });
    // clang-format on
}

TEST(EvaluateExpression, FailuresGiveTheEmptyText)
{
    // clang-format off
    ExpectAll({
        {"ctg(0)", ""}, {"sin()", ""}, {"sin(abc)", ""}, {"sin(1/0)", ""}, {"", ""}, {"1/0", ""},
        {"sin(1e999)", ""}, {"abc", ""}, {"sin(", ""},
    });
    // clang-format on
}

TEST(EvaluateExpression, NamesMatchExactly)
{
    // clang-format off
    ExpectAll({
        {"SIN(30)", "30"}, {"sin (30)", "30"}, {"log(100)", "100"}, {"1+sin()", "1"},
        {"cos(sin(30))", "0.9999619230642"},
        // "tg(" inside "ctg(" is not a call of its own.
        {"ctg(45)+tg(45)", "2"},
    });
    // clang-format on
}

TEST(EvaluateExpression, TextsComeBackFilteredNotReformatted)
{
    ExpectAll({{"007", "007"}, {"12abc", "12"}, {"1.50", "1.50"}, {"2e3", "2e3"}, {"+5", "5"}});
}

// A result that does not read as one number in full is no answer.
TEST(EvaluateExpression, ResultIsOneNumber)
{
    // clang-format off
    ExpectAll({
        {"sin(30)sin(30)", ""}, {"1..2", ""}, {"1.5.2", ""}, {".", ""}, {"1\\2", ""}, {"-", ""},
        {"2e", "2"}, {"(1+2)(3+4)", "37"}, {"2(3)", "23"}, {"(0-2)(0-3)", "-5"},
        {"sin(1..2)", "0.01745240643678"},  // values inside are read as before
    });
    // clang-format on
}

// The value of a group or a call is one operand, its sign included.
TEST(EvaluateExpression, GroupAndCallValuesAreOneOperand)
{
    // clang-format off
    ExpectAll({
        // As the base of "^", and the power is one operand again.
        {"1+(0-2)^2", "5"}, {"1-(0-2)^2", "-3"}, {"2*(0-3)^2", "18"}, {"10-(0-1)^2", "9"},
        {"1+(0-2)^(0-1)", "0.5"}, {"1+(0-2)^3^2", "65"}, {"sin(120)^2+cos(120)^2", "1"},
        {"1+(0-8)^(1/3)", ""},
        // A sign typed right in front: at the start before any power, after an operator after it.
        {"-(0-2)^2", "4"}, {"-(0-2)", "2"}, {"-(0-3)*2", "6"},
        {"2*-(0-2)^2", "-8"}, {"2*-(0-3)", "6"}, {"1--(0-2)", "-1"},
        // Joined to digits before it, it is still the base alone.
        {"2(0-3)^2", "29"}, {"2(0-3)", "-1"}, {"2(3)^2", "29"},
        // Unchanged.
        {"(0-2)^2", "4"}, {"2^(0-1)", "0.5"}, {"2^(0-2)^2", "0.0625"}, {"1-(0-2)", "3"},
        {"1+-2^2", "-3"}, {"3*-2^2", "-12"}, {"-2^2", "4"},
        // Signs that pile up read as one typed byte; after "^" they belong to the exponent.
        {"--(0-2)", "2"}, {"2*--(0-3)", "-3"}, {"2^-(0-2)^2", "16"}, {"2^-2^2", "0.0625"},
        // A group or an argument starts a text of its own; deleted bytes go first.
        {"(-(0-2)^2)", "4"}, {"sin(-(0-30))", "0.499999999987"}, {"- sin(-30)", "0.499999999987"},
        {"2*-(2)^2", "-8"}, {"-(2)^3", "-8"}, {"+(0-2)^3", "-8"},
    });
    // clang-format on
    EXPECT_EQ(EvaluateExpression("1*sin(-30)^2"), EvaluateExpression("sin(-30)^2"));
    EXPECT_EQ(EvaluateExpression("-sin(-30)"), EvaluateExpression("- sin(-30)"));
}

// × ÷ 。 as a Chinese input method types them (GBK A1C1, A1C2, A1A3).
TEST(EvaluateExpression, InputMethodSigns)
{
    // clang-format off
    ExpectAll({
        {"6\xA1\xC2" "2", "3"}, {"\xA3\xB2\xA1\xC1\xA3\xB3", "6"}, {"0\xA1\xA3" "5+1", "1.5"},
        {"sin(3\xA3\xB0\xA1\xA3" "0)", "0.499999999987"}, {"1\xA1\xC2" "0", ""},
    });
    // clang-format on
}

// A Chinese character goes as a whole: no byte of it is left behind as an operator or a digit.
TEST(EvaluateExpression, ChineseCharactersAreFilteredWhole)
{
    // clang-format off
    ExpectAll({
        {"2\x85\x5E" "3", "23"},   // 區: its second byte is "^"
        {"2\x84\x65" "3", "23"},   // 別: its second byte is "e"
        {"1\x81\x35", "1"},        // a second byte "5"
        {"1\x81+2", "12"},          // "+" as a second byte
        {"\xD6\xD0" "1+2\xCE\xC4", "3"},
    });
    // clang-format on
}

// Exponent texts, typed or made by a function value, are read back as the numbers they are.
TEST(EvaluateExpression, ExponentNumbers)
{
    // clang-format off
    ExpectAll({
        {"2e3+1", "2001"}, {"0.00001*0.00001+1", "1.0000000001"}, {"1e-5*2", "2e-005"},
        {"1+cos(90)", "1.000000000045"}, {"sin(180)+1", "1.00000000009"},
        {"cos(90)", "4.489659216976e-011"}, {"cos(90)*1e10", "0.4489659216976"},
    });
    // clang-format on
}

TEST(EvaluateExpression, RightOperandEndsWhereItIsWritten)
{
    // clang-format off
    ExpectAll({
        {"2*0.50", "1"}, {"2^03", "8"}, {"1+007", "8"}, {"2*+3", "6"},
        {"1+1.23456789012345", "2.234567890123"}, {"2*--3", "3"},
    });
    // clang-format on
}

TEST(EvaluateExpression, ValuesThatAreNotFiniteFail)
{
    ExpectAll({{"2^1024", ""}, {"2^1024+1", ""}, {"10^400*0", ""}, {"(0-8)^(1/3)", ""}, {"2*1e999", ""}});
}

// A call's argument runs to the matching ")", and calls expand from the innermost out.
TEST(EvaluateExpression, CallArgumentsAndNesting)
{
    ExpectAll({
        {"sin((1+2)*3)", "0.1564344650358"},
        {"sin(cos(0))", "0.01745240643678"},
        {"cos(sin(30))", "0.9999619230642"},
        {"sin(30", "0.499999999987"},
        {"2*sin(30", "0.999999999974"},
        {"1+sin(", "1"},
    });
    EXPECT_EQ(EvaluateExpression("sin(sin(30))"), EvaluateExpression("sin(0.499999999987)"));
    EXPECT_EQ(EvaluateExpression("tg(cos(sin(90)))"), EvaluateExpression("tg(0.9998476951564)"));
    EXPECT_EQ(EvaluateExpression("sin(tg(45)"), EvaluateExpression("sin(0.9999999999551)"));
    EXPECT_EQ(EvaluateExpression("sin(sin())"), "");
    // A call that vanishes joins what stands around it, which may spell a new call; a call
    // after it is expanded first, so it is never taken apart.
    EXPECT_EQ(EvaluateExpression("cossin()(60)"), "0.5000000000259");
    EXPECT_EQ(EvaluateExpression("cosin()s(60)"), "0.5000000000259");
    EXPECT_EQ(EvaluateExpression("cosin(sin())s(60)"), "0.5000000000259");
    EXPECT_EQ(EvaluateExpression("csin()tg(45)"), "0.9999999999551");
    EXPECT_EQ(EvaluateExpression("(sin(30))*2"), "0.999999999974");
}

// Full-width forms are made ASCII before anything else: "３０+1" and "ｓｉｎ（３０）".
TEST(EvaluateExpression, FullWidthInput)
{
    // clang-format off
    ExpectAll({
        {"\xA3\xB3\xA3\xB0+1", "31"},
        {"\xA3\xF3\xA3\xE9\xA3\xEE\xA3\xA8\xA3\xB3\xA3\xB0\xA3\xA9", "0.499999999987"},
        {"1\xA3\xAB\xA3\xB2", "3"},                 // １＋２ written half in full width
        {"2\xA1\xEF" "3", "6"},                     // ★ reads as "*"
        {"\xD6\xD0" "sin(30)", "0.499999999987"},   // 中 before a call
        {"\x81s" "in(30)", "30"},                   // "s" as a trail byte starts no name
    });
    // clang-format on
}

TEST(EvaluateExpression, KeptAsTheyAre)
{
    // clang-format off
    ExpectAll({
        {"(1+2)(3+4)", "37"}, {"2(3)", "23"}, {"5%2", "52"}, {"0.0000001/5", "0"},
        {"2^3^2", "64"}, {"-2^2", "4"},
    });
    // clang-format on
}

TEST(EvaluateExpression, Radians)
{
    EXPECT_EQ(EvaluateExpression("sin(0.5235987755982988)", AngleUnit::Radians), "0.5");
    EXPECT_EQ(EvaluateExpression("cos(0)", AngleUnit::Radians), "1");
    EXPECT_EQ(EvaluateExpression("tg(0.7853981633974483)", AngleUnit::Radians), "1");
}

}  // namespace
