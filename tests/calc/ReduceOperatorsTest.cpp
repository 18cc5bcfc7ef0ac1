// ReduceOperators: precedence from three passes, left associativity, the leading sign, the
// written span of the right operand, and failure as the empty text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/ReduceOperators.h"
#include "calc/ReduceOperators.h"
#include "tests/calc/TextCases.h"

namespace {

void ExpectAll(const std::vector<TextCase>& cases) { ExpectTexts(ReduceOperators, cases); }

TEST(ReduceOperators, PrecedenceAssociativityAndSigns)
{
    // clang-format off
    ExpectAll({
        {"2+3*4", "14"},        {"1+2*3^2-4/2", "17"}, {"2^3^2", "64"},  {"-2^2", "4"},
        {"3-2^2", "-1"},        {"3*-2^2", "-12"},     {"2^-1", "0.5"},  {"8-3-2", "3"},
        {"-5-3", "-8"},         {"2*-3", "-6"},        {"2--3", "5"},    {"5/2/2", "1.25"},
        {"1/3", "0.3333333333333"},
    });
    // clang-format on
}

TEST(ReduceOperators, EmptyOperandsAndUntouchedTexts)
{
    // clang-format off
    ExpectAll({
        {"+5", "5"}, {"*5", "0"}, {"42", "42"}, {"007", "007"}, {"1.5.2", "1.5.2"}, {"", ""},
        {"-7", "-7"},
    });
    // clang-format on
}

TEST(ReduceOperators, DivisionByNearZeroFails)
{
    // clang-format off
    ExpectAll({
        {"5/0", ""}, {"5/0.0000001", ""}, {"0.0000001/5", "0"}, {"1+5/0-2", ""},
        {"5/0.00000011", "45454545.45455"},
    });
    // clang-format on
}

// The rewrite ends exactly where the right operand is written to end.
TEST(ReduceOperators, RightOperandKeepsItsWrittenSpan)
{
    // clang-format off
    ExpectAll({
        {"2*0.50", "1"}, {"2^03", "8"}, {"1+007", "8"}, {"2*+3", "6"},
        {"1+1.23456789012345", "2.234567890123"}, {"2*--3", "3"}, {"1+", "1"}, {"2*\\3", "0\\3"},
    });
    // clang-format on
}

// Exponent signs belong to their number; values that are not finite fail.
TEST(ReduceOperators, ExponentsAndNonFiniteValues)
{
    // clang-format off
    ExpectAll({
        {"2e3+1", "2001"}, {"1e-5*2", "2e-005"}, {"0.00001*0.00001+1", "1.0000000001"},
        {"2e-3", "2e-3"}, {"1E+2-1", "99"}, {"-1e-5-1e-5", "-2e-005"},
        {"2^1024", ""}, {"2^1024+1", ""}, {"10^400*0", ""}, {"-8^0.3333333333333", ""},
        {"2*1e999", ""}, {"1e999*0", ""}, {"1e300*1e300", ""},
    });
    // clang-format on
}

TEST(ReduceOperators, WorkedExampleStepByStep)
{
    OperatorReducer reducer;
    std::vector<std::string> steps;
    reducer.TraceSteps(&steps);
    std::string out;
    ASSERT_TRUE(reducer.Reduce("1+2*3^2-4/2", out));
    EXPECT_EQ(out, "17");
    const std::vector<std::string> expected = {"1+2*9-4/2", "1+18-4/2", "1+18-2", "19-2", "17"};
    EXPECT_EQ(steps, expected);
}

// A negative result inside a pass is re-scanned, and its "-" becomes a boundary.
TEST(ReduceOperators, NegativeResultsBecomeBoundaries)
{
    OperatorReducer reducer;
    std::vector<std::string> steps;
    reducer.TraceSteps(&steps);
    std::string out;
    ASSERT_TRUE(reducer.Reduce("1+2*-3*4", out));
    EXPECT_EQ(out, "-23");
    const std::vector<std::string> expected = {"1+-6*4", "1+-24", "-23"};
    EXPECT_EQ(steps, expected);
}

}  // namespace
