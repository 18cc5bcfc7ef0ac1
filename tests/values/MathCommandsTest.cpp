#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

#include "tests/values/CommandCall.h"
#include "values/Bits.h"

namespace {

constexpr uint64_t kDefaultNanBits = 0xFFF8000000000000ull;
const double kInf = std::numeric_limits<double>::infinity();
const double kDefaultNan = BitCast<double>(kDefaultNanBits);

uint64_t Bits(double value) { return BitCast<uint64_t>(value); }

double RunMath(CommandFn command, double x)
{
    return RunCommand(command, {TypedValue::Double(x)}).AsDouble();
}

// Distance in representable doubles, for results that may differ from the exact value in the
// last bit.
uint64_t UlpDistance(double a, double b)
{
    const auto ia = int64_t(Bits(a)), ib = int64_t(Bits(b));
    return ia > ib ? uint64_t(ia - ib) : uint64_t(ib - ia);
}

struct ExactCase {
    const char* name;
    CommandFn command;
    double x;
    double expected;  // compared bit for bit, so -0 and the default NaN are told apart
};

TEST(MathCommands, SingleArgumentResultsAreExact)
{
    const ExactCase cases[] = {
        {"sqrt 16", SquareRoot, 16.0, 4.0},
        {"sqrt -1", SquareRoot, -1.0, kDefaultNan},
        {"sqrt -inf", SquareRoot, -kInf, kDefaultNan},
        {"sqrt -0", SquareRoot, -0.0, -0.0},
        {"sqrt +inf", SquareRoot, kInf, kInf},
        {"cos 0", Cosine, 0.0, 1.0},
        {"sin -0", Sine, -0.0, -0.0},
        // Beyond 2^63 the argument is not reduced: sine and cosine hand it back.
        {"sin 1e19", Sine, 1e19, 1e19},
        {"cos 1e19", Cosine, 1e19, 1e19},
        {"sin -2^63", Sine, -9223372036854775808.0, -9223372036854775808.0},
        {"tan 1e19", Tangent, 1e19, kDefaultNan},
        {"tan -2^63", Tangent, -9223372036854775808.0, kDefaultNan},
        // An infinity is an invalid operation, not an unreduced argument.
        {"sin inf", Sine, kInf, kDefaultNan},
        {"cos -inf", Cosine, -kInf, kDefaultNan},
        {"tan inf", Tangent, kInf, kDefaultNan},
        {"atan 1", Arctangent, 1.0, M_PI / 4},
        {"atan inf", Arctangent, kInf, M_PI / 2},
        {"atan -inf", Arctangent, -kInf, -M_PI / 2},
        {"atan 0", Arctangent, 0.0, 0.0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Bits(RunMath(c.command, c.x)), Bits(c.expected)) << c.name;
}

TEST(MathCommands, TrigonometryIsRightToTheLastBit)
{
    // clang-format off
    const struct { const char* name; CommandFn command; double x; double expected; } cases[] = {
        {"sin pi/6", Sine, 0.5235987755982988, 0.5},
        {"tan pi/4", Tangent, M_PI / 4, 1.0},
        {"cos pi/3", Cosine, M_PI / 3, 0.5},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_LE(UlpDistance(RunMath(c.command, c.x), c.expected), 1u) << c.name;
}

TEST(MathCommands, TangentNearHalfPiIsLargeButFinite)
{
    const double t = RunMath(Tangent, M_PI / 2);
    EXPECT_TRUE(std::isfinite(t));
    EXPECT_NEAR(t, 1.633123935319537e16, 1e3);
}

TEST(MathCommands, NanArgumentsPassThrough)
{
    const double quiet = BitCast<double>(0x7FF8000000000123ull);
    for (CommandFn command : {SquareRoot, Sine, Cosine, Tangent, Arctangent})
        EXPECT_TRUE(std::isnan(RunMath(command, quiet)));
}

TEST(MathCommands, IsFiniteLooksOnlyAtTheExponent)
{
    // clang-format off
    const struct { double x; uint64_t expected; } cases[] = {
        {1.5, 1}, {kInf, 0}, {-kInf, 0}, {kDefaultNan, 0}, {DBL_MAX, 1}, {-0.0, 1}, {DBL_TRUE_MIN, 1},
    };
    // clang-format on
    for (const auto& c : cases) {
        const TypedValue result = RunCommand(IsFinite, {TypedValue::Double(c.x)});
        EXPECT_EQ(result.payload, c.expected) << c.x;
        EXPECT_EQ(result.type, TYPE_OMITTED) << "a command never writes the type word";
    }
}

TEST(MathCommands, PowerDecidesZeroNegativeAndOverflowCases)
{
    // clang-format off
    const struct { double x, y, expected; } cases[] = {
        {2, 10, 1024},
        {-2, 3, -8},
        {-2, 2, 4},
        {-8, 1.0 / 3, kDefaultNan},
        {-2, 0.5, kDefaultNan},
        {0, 0, 1},
        {-0.0, 0, 1},
        {0, -1, kInf},
        {-0.0, -1, -kInf},
        {-0.0, -2, kInf},
        {-0.0, 3, -0.0},
        {-0.0, 2, 0.0},
        {0, 5, 0},
        {0, DBL_TRUE_MIN, 0},   // a subnormal power is still a positive one
        {-0.0, -DBL_TRUE_MIN, kInf},
        {10, 400, kInf},
        {10, -400, 0},
        {4, 0.5, 2},
        {-kInf, 0.5, kInf},     // infinite bases follow the C library
        {1, kInf, 1},
        {-1, kInf, 1},
        {0.5, kInf, 0},
    };
    // clang-format on
    for (const auto& c : cases) {
        const double result = RunCommand(Power, {TypedValue::Double(c.x), TypedValue::Double(c.y)}).AsDouble();
        EXPECT_EQ(Bits(result), Bits(c.expected)) << c.x << " ^ " << c.y;
    }
}

TEST(MathCommands, ArgumentsAreReadAsDoublesWhateverTheirType)
{
    TypedValue mislabelled = TypedValue::Double(16.0);
    mislabelled.type = TYPE_INT;
    EXPECT_EQ(RunCommand(SquareRoot, {mislabelled}).AsDouble(), 4.0);
}

}  // namespace
