// The triangle solver: which side is known, the computed sides, the copied side, and what a
// missing angle or an angle without a value does.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/SideLengths.h"

namespace {

struct Boxes {
    const char* angle;
    const char* opposite;
    const char* adjacent;
    const char* hypotenuse;
};

struct Case {
    Boxes in;
    const char* opposite;
    const char* hypotenuse;
    const char* adjacent;
};

void ExpectSolved(const std::vector<Case>& cases)
{
    for (const Case& c : cases) {
        const SideLengths s = SolveSides(c.in.angle, c.in.opposite, c.in.adjacent, c.in.hypotenuse);
        SCOPED_TRACE(std::string("angle ") + c.in.angle + ", opposite " + c.in.opposite + ", adjacent " +
                     c.in.adjacent + ", hypotenuse " + c.in.hypotenuse);
        EXPECT_EQ(s.outcome, SolveOutcome::Solved);
        EXPECT_EQ(s.opposite, c.opposite);
        EXPECT_EQ(s.hypotenuse, c.hypotenuse);
        EXPECT_EQ(s.adjacent, c.adjacent);
    }
}

TEST(SolveSides, FromEachKnownSide)
{
    ExpectSolved({
        {{"30", "1", "", ""}, "1", "2.000000000052", "1.732050807629"},
        {{"30", "", "1", ""}, "0.5773502691697", "1.154700538369", "1"},
        {{"30", "", "", "2"}, "0.999999999974", "2", "1.732050807584"},
        {{"60", "", "", "10"}, "8.660254037695", "10", "5.000000000259"},
        {{"45", "", "1", ""}, "0.9999999999551", "1.414213562341", "1"},
        {{"30+15", "", "1", ""}, "0.9999999999551", "1.414213562341", "1"},
        {{"-30", "1", "", ""}, "1", "-2.000000000052", "-1.732050807629"},
        {{"5abc", "1", "", ""}, "1", "11.473713246", "11.43005230309"},
    });
}

TEST(SolveSides, KnownSideChoiceAndCopy)
{
    ExpectSolved({
        // The opposite side wins over the others.
        {{"30", "1", "5", "7"}, "1", "2.000000000052", "1.732050807629"},
        // A negative side is not given.
        {{"30", "-1", "", "2"}, "0.999999999974", "2", "1.732050807584"},
        // The known side is copied as typed.
        {{"30", "1.50", "", ""}, "1.50", "3.000000000078", "2.598076211443"},
        {{"30", "0.00000001", "0", "2"}, "0.999999999974", "2", "1.732050807584"},
    });
}

// An angle whose value cannot be evaluated, or a side that comes out not finite, leaves that
// side empty; the known side is still copied as typed.
TEST(SolveSides, SidesWithoutAFiniteValue)
{
    ExpectSolved({
        {{"0.5/0", "1", "", ""}, "1", "", ""},
        {{"0.5/0", "", "", "2"}, "", "2", ""},
        {{"0.5/0", "", "3", ""}, "", "", "3"},
        // The leading number passes the angle test, but the angle is 0°: no tangent to divide by.
        {{"1-1", "1", "", ""}, "1", "", ""},
        {{"5-5", "1", "", ""}, "1", "", ""},
        {{"5-5", "", "", "2"}, "0", "2", "2"},
        {{"30", "1e999", "", ""}, "1e999", "", ""},
        {{"89", "", "1e308", ""}, "", "", "1e308"},
    });
}

// × ÷ 。 as an input method types them count in the angle and in the side test; the known
// side is still copied exactly as typed.
TEST(SolveSides, InputMethodForms)
{
    // clang-format off
    ExpectSolved({
        {{"3\xA3\xB0\xA1\xA3" "5", "1", "", ""}, "1", "1.970294411229", "1.697663119385"},
        {{"30.5", "1", "", ""}, "1", "1.970294411229", "1.697663119385"},
        {{"30", "0\xA1\xA3" "5", "", ""}, "0\xA1\xA3" "5", "1.000000000026", "0.8660254038143"},
        {{"60\xA1\xC2" "2", "", "", "2"}, "0.999999999974", "2", "1.732050807584"},
    });
    // clang-format on
}

TEST(SolveSides, AngleMissingOrNoSide)
{
    for (const char* angle : {"", "0", "0.00000001", "sin(30)", "abc", "-0.0000001"})
        EXPECT_EQ(SolveSides(angle, "1", "2", "3").outcome, SolveOutcome::AngleMissing) << angle;
    const SideLengths none = SolveSides("30", "", "0", "-2");
    EXPECT_EQ(none.outcome, SolveOutcome::NoKnownSide);
    EXPECT_EQ(none.opposite + none.hypotenuse + none.adjacent, "");
}

}  // namespace
