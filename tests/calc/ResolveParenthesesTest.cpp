// ResolveParentheses: the byte filter, groups from the innermost out, unmatched parentheses.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/ResolveParentheses.h"
#include "tests/calc/TextCases.h"

namespace {

void ExpectAll(const std::vector<TextCase>& cases) { ExpectTexts(ResolveParentheses, cases); }

// A group's value is one operand; the text need not be one number.
TEST(ResolveParentheses, GroupValuesAreOneOperand)
{
    ExpectAll({{"1+(0-2)^2", "5"}, {"-(0-2)", "2"}, {"2*-(0-3)", "6"}, {"1.5.2", "1.5.2"}, {"(1+2)\\", "3\\"}});
}

TEST(ResolveParentheses, GroupsAndJoinedValues)
{
    // clang-format off
    ExpectAll({
        {"(1+2)*3", "9"}, {"2*(3+4)", "14"}, {"((1+2)*(3+4))^2", "441"}, {"-(2+3)", "-5"},
        {"2-(0-3)", "5"}, {"(1+2)(3+4)", "37"}, {"2(3)", "23"}, {"((((7))))", "7"},
        {"(1/3)*3", "0.9999999999999"}, {"(2)^(10)", "1024"},
    });
    // clang-format on
}

TEST(ResolveParentheses, UnmatchedParenthesesAreDropped)
{
    ExpectAll({{"((2)", "2"}, {"2)", "2"}, {"(((1+2", "3"}, {")(", ""}, {"1+(2", "3"}});
}

TEST(ResolveParentheses, FailuresGiveTheEmptyText)
{
    ExpectAll({{"()", ""}, {"1+()", ""}, {"(1/0)+1", ""}, {"abc", ""}, {"", ""}, {"(())", ""}});
}

TEST(ResolveParentheses, FilterDropsEverythingElse)
{
    // clang-format off
    ExpectAll({
        {"1 + 2", "3"}, {"5%2", "52"}, {"1,5+1", "16"}, {"log(100)", "100"},
        // GBK "中" is D6 D0: both bytes are dropped.
        {"1\xD6\xD0+2", "3"},
        // A two-byte character goes whole, even when a byte of it equals a kept byte.
        {"1\x81\x35", "1"}, {"2\x85\x5E" "3", "23"}, {"1\x81(2)", "12"},
        {std::string("1+2\0+5", 6), "3"},
    });
    // clang-format on
}

// The backslash stays, is neither operator nor number, and does not stop the filter.
TEST(ResolveParentheses, BackslashIsCarriedAlong)
{
    ExpectAll({{"1\\2", "1\\2"}, {"1\\a+2", "3"}, {"2*\\3", "0\\3"}, {"1+(2)\\x", "3\\"}, {"\\(1+1)", "\\2"}});
}

// An "e" stays only as the exponent of a written number.
TEST(ResolveParentheses, ExponentLetters)
{
    // clang-format off
    ExpectAll({
        {"2e3+1", "2001"}, {"1e-5*2", "2e-005"}, {"1.e2+1", "101"}, {"e5+1", "6"},
        {"2e+x1", "3"}, {"(2)e3", "2e3"}, {"2(e3)", "23"}, {"2E-1+1", "1.2"}, {"2e(3)", "23"},
    });
    // clang-format on
}

}  // namespace
