#include <gtest/gtest.h>

#include <cfloat>
#include <cstdint>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "tests/values/CommandCall.h"
#include "values/Number.h"
#include "values/NumberText.h"
#include "values/Bits.h"

namespace {

const double kInf = std::numeric_limits<double>::infinity();

uint64_t Bits(double value) { return BitCast<uint64_t>(value); }
uint32_t Bits(float value) { return BitCast<uint32_t>(value); }

double NumberOf(const TypedValue& value) { return RunCommand(ToNumber, {value}).AsDouble(); }
float FloatOf(const TypedValue& value) { return RunCommand(ToFloat, {value}).AsFloat(); }

struct TextCase {
    const char* input;
    double expected;  // compared bit for bit: -0.0 is not 0.0
};

void ExpectToNumber(const TextCase* begin, const TextCase* end)
{
    for (const TextCase* c = begin; c != end; ++c)
        EXPECT_EQ(Bits(NumberOf(TypedValue::Text(c->input))), Bits(c->expected)) << '"' << c->input << '"';
}

TEST(ToNumber, ReadsTheLeadingNumberAndIgnoresTheRest)
{
    // clang-format off
    const TextCase cases[] = {
        {"", 0.0}, {"abc", 0.0}, {"  12.5abc", 12.5}, {"3 4", 3.0}, {"12 ", 12.0},
        {"1,234", 1.0}, {"0x1A", 0.0}, {"inf", 0.0}, {"nan", 0.0}, {"1.#INF", 1.0},
        {"\t\n\v\f\r 8", 8.0}, {"infinity", 0.0}, {"-nan", 0.0},
    };
    // clang-format on
    ExpectToNumber(std::begin(cases), std::end(cases));
}

TEST(ToNumber, TurnsFullWidthFormsIntoAscii)
{
    // clang-format off
    const TextCase cases[] = {
        {"\xA3\xB1\xA3\xB2\xA3\xAE\xA3\xB5", 12.5},          // １２．５
        {"\xA3\xAD\xA3\xB3", -3.0},                          // －３
        {"\xA1\xA1\xA3\xB7", 7.0},                           // 　７
        {"\xA3\xB3\xA3\xAC\xA3\xB0\xA3\xB0\xA3\xB0", 3.0},  // ３，０００
        {"1\xA3\xE5\xA3\xB3", 1000.0},                       // 1ｅ３
        {"2\xA3\xB3", 23.0},                                 // mixed widths
        {"\xB0\xA1" "5", 0.0},                               // another character first stops the read
        {"5\xB0\xA1" "5", 5.0},
        {"4\xA3", 4.0},                                      // a lone lead byte at the end
    };
    // clang-format on
    ExpectToNumber(std::begin(cases), std::end(cases));
}

TEST(ToNumber, AcceptsAllFourExponentLetters)
{
    // clang-format off
    const TextCase cases[] = {
        {"1e3", 1000.0}, {"1E3", 1000.0}, {"1d3", 1000.0}, {"1D3", 1000.0}, {"1e", 1.0},
        {"1e+", 1.0}, {"2.5e-1", 0.25}, {"1d-2", 0.01}, {"1D+2x", 100.0}, {"1ee3", 1.0},
        {"1e+-3", 1.0}, {"7d", 7.0},
    };
    // clang-format on
    ExpectToNumber(std::begin(cases), std::end(cases));
}

TEST(ToNumber, NeedsADigitBeforeOrAfterThePoint)
{
    // clang-format off
    const TextCase cases[] = {
        {"5.", 5.0}, {".5", 0.5}, {"+.5", 0.5}, {".", 0.0}, {"+-5", 0.0},
        {"1.2.3", 1.2}, {".e5", 0.0}, {"-.5e1", -5.0},
    };
    // clang-format on
    ExpectToNumber(std::begin(cases), std::end(cases));
}

TEST(ToNumber, KeepsTheSignOfZeroOnlyWhenANumberWasRead)
{
    const TextCase cases[] = {
        {"-", 0.0}, {"-0", -0.0}, {"-0.000", -0.0}, {"-0e999", -0.0}, {"+0", 0.0}, {"- 1", 0.0},
    };
    ExpectToNumber(std::begin(cases), std::end(cases));
}

TEST(ToNumber, RoundsToNearestAtTheEndsOfTheRange)
{
    // clang-format off
    const TextCase cases[] = {
        {"1e999", kInf}, {"-1e999", -kInf}, {"1e-999", 0.0}, {"-1e-999", -0.0},
        {"1.7976931348623158e308", DBL_MAX}, {"1.7976931348623159e308", kInf},
        {"4.9e-324", std::numeric_limits<double>::denorm_min()},
        {"2.4703282292062327e-324", 0.0}, {"2.4703282292062328e-324", std::numeric_limits<double>::denorm_min()},
        {"1e99999999999999999999999", kInf}, {"0.0000001e-99999999999999999", 0.0},
        {"123456789012345678901234567890e-10", 12345678901234567890.0},
    };
    // clang-format on
    ExpectToNumber(std::begin(cases), std::end(cases));
}

TEST(ToNumber, ReadsEveryValueType)
{
    const int64_t big = (int64_t(1) << 62) + 1;
    const struct {
        const char* name;
        TypedValue value;
        double expected;
    } cases[] = {
        {"datetime", {BitCast<uint64_t>(45000.5), TYPE_DATETIME}, 0.0},
        {"byte set", {0x1000, TYPE_BYTESET}, 0.0},
        {"omitted", TypedValue::Omitted(), 0.0},
        {"int array", {0x1000, TYPE_INT | TYPE_ARRAY_FLAG}, 0.0},
        {"bool 1", TypedValue::Bool(true), 1.0},
        {"bool -1", {0xFFFFFFFF, TYPE_BOOL}, -1.0},
        {"uint32", {0xFFFFFFFF, TYPE_UINT32}, 4294967295.0},
        {"byte", {0x1FF, TYPE_BYTE}, 255.0},
        {"short", {0x18000, TYPE_SHORT}, -32768.0},
        {"int", TypedValue::Int(-7), -7.0},
        {"long", TypedValue::Long(big), double(big)},
        {"float", TypedValue::Float(0.1f), double(0.1f)},
        {"double", TypedValue::Double(-0.0), -0.0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Bits(NumberOf(c.value)), Bits(c.expected)) << c.name;
}

TEST(ToFloat, RoundsTheDoubleToSingle)
{
    const struct {
        TypedValue value;
        float expected;
    } cases[] = {
        {TypedValue::Text("0.1"), 0.1f},
        {TypedValue::Text("1e39"), std::numeric_limits<float>::infinity()},
        {TypedValue::Text("-1e39"), -std::numeric_limits<float>::infinity()},
        {TypedValue::Text("3.4028235e38"), FLT_MAX},
        {TypedValue::Text("-0"), -0.0f},
        {TypedValue::Text("1e-50"), 0.0f},
        // Read to double first (1 + 2^-24 exactly), then a tie that goes to even.
        {TypedValue::Text("1.00000005960464477539062500000000001"), 1.0f},
        {TypedValue::Double(0.1), 0.1f},
        {TypedValue::Int(16777217), 16777216.0f},
        {TypedValue::Bool(true), 1.0f},
        {TypedValue::Omitted(), 0.0f},
        // 2^54 + 2^30 + 1: one step rounds up; through a double it would tie down to 2^54.
        {TypedValue::Long((int64_t(1) << 54) + (int64_t(1) << 30) + 1), 18014400656965632.0f},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Bits(FloatOf(c.value)), Bits(c.expected)) << c.value.type << ' ' << c.value.payload;
}

TEST(ToFloat, CopiesASingleUnchangedEvenASignallingNan)
{
    const TypedValue value{0x7F800001, TYPE_FLOAT};
    EXPECT_EQ(RunCommand(ToFloat, {value}).payload, 0x7F800001u);
}

TEST(ReadDecimal, ReportsTheBytesOfTheNumber)
{
    // clang-format off
    const struct {
        const char* input;
        double value;
        size_t used;
    } cases[] = {
        {"12+3", 12.0, 2}, {"  -1.5e3*2", -1500.0, 8}, {"1e+", 1.0, 1}, {"2d2)", 200.0, 3},
        {"-", 0.0, 0}, {"x1", 0.0, 0}, {".5.", 0.5, 2}, {"", 0.0, 0},
    };
    // clang-format on
    for (const auto& c : cases) {
        size_t used = 99;
        EXPECT_EQ(ReadDecimal(c.input, &used), c.value) << c.input;
        EXPECT_EQ(used, c.used) << c.input;
    }
}

// Short decimals take a short way; spelled with five more zeros they take the general one.
TEST(ReadDecimal, ShortDecimalsReadAsTheirLongerSpellings)
{
    std::mt19937_64 random(20261207);
    for (int i = 0; i < 4000; ++i) {
        std::string digits = std::to_string(random() % 1000000000000000 >> (random() % 50));
        digits.insert(random() % (digits.size() + 1), ".");
        const std::string exponent = "e" + std::to_string(int(random() % 61) - 30);
        const std::string text = digits + exponent, longer = digits + "00000" + exponent;
        EXPECT_EQ(Bits(ReadDecimal(text, nullptr)), Bits(ReadDecimal(longer, nullptr))) << text;
    }
}

TEST(TextToNumber, StopsAtTheEndOfTheView)
{
    const std::string digits = "12345";
    EXPECT_EQ(TextToNumber(std::string_view(digits).substr(0, 3)), 123.0);
    EXPECT_EQ(TextToNumber(std::string_view("7\0"
                                            "8",
                                            3)),
              7.0);
    EXPECT_EQ(TextToNumber(std::string_view("\xA3\xB1\xA3\xB2", 3)), 1.0);
}

TEST(FullWidthToAscii, MapsOnlyTheFullWidthForms)
{
    // clang-format off
    const struct {
        unsigned char first, second;
        std::optional<char> expected;
    } cases[] = {
        {0xA3, 0xA1, '!'}, {0xA3, 0xB0, '0'}, {0xA3, 0xAE, '.'}, {0xA3, 0xC5, 'E'},
        {0xA3, 0xE5, 'e'}, {0xA3, 0xFE, '~'}, {0xA3, 0xA0, std::nullopt}, {0xA3, 0xFF, std::nullopt},
        {0xA1, 0xA1, ' '}, {0xA1, 0xAB, '~'}, {0xA1, 0xEE, '*'}, {0xA1, 0xEF, '*'},
        {0xA1, 0xA2, std::nullopt}, {0xB0, 0xA1, std::nullopt},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(FullWidthToAscii(c.first, c.second), c.expected) << int(c.first) << ' ' << int(c.second);
}

TEST(NormalizeNumberText, KeepsOtherCharactersAndDropsALoneLeadByte)
{
    // clang-format off
    const struct {
        std::string_view input;
        std::string_view expected;
    } cases[] = {
        {"a b", "a b"},
        {"\xA3\xB1\xA1\xA1\xA1\xEE", "1 *"},
        {"\xB0\xA1x", "\xB0\xA1x"},
        {"\x81" "1", "\x81" "1"},  // a pair whose second byte is ASCII stays a pair
        {"9\xA3", "9"},
        {std::string_view("1\xA3\0" "2", 4), "1"},
    };
    // clang-format on
    for (const auto& c : cases) {
        ByteBuffer out;
        ASSERT_TRUE(NormalizeNumberText(c.input, out));
        ASSERT_GE(out.Size(), 1u);
        EXPECT_EQ(out.Data()[out.Size() - 1], '\0');
        EXPECT_EQ(std::string_view(out.Data(), out.Size() - 1), c.expected);
    }
}

TEST(ByteBuffer, ShortRequestsComeFromThePool)
{
    ASSERT_EQ(ByteBufferPoolBlocksInUse(), 0);
    {
        ByteBuffer buffer;
        ASSERT_TRUE(buffer.Resize(kByteBufferPoolBlockSize));
        EXPECT_TRUE(buffer.InPool());
        EXPECT_EQ(ByteBufferPoolBlocksInUse(), 1);
    }
    EXPECT_EQ(ByteBufferPoolBlocksInUse(), 0);
    ByteBuffer large;
    ASSERT_TRUE(large.Resize(kByteBufferPoolBlockSize + 1));
    EXPECT_FALSE(large.InPool());
}

TEST(ByteBuffer, AFullPoolSendsRequestsToTheHeap)
{
    std::vector<std::unique_ptr<ByteBuffer>> held;
    for (int i = 0; i < kByteBufferPoolBlocks; ++i) {
        held.push_back(std::make_unique<ByteBuffer>());
        ASSERT_TRUE(held.back()->Resize(16));
        ASSERT_TRUE(held.back()->InPool());
    }
    ByteBuffer extra;
    ASSERT_TRUE(extra.Resize(16));
    EXPECT_FALSE(extra.InPool());
    // Conversions still work with the pool exhausted.
    EXPECT_EQ(TextToNumber("\xA3\xB4\xA3\xB2"), 42.0);
    held.pop_back();
    ByteBuffer reused;
    ASSERT_TRUE(reused.Resize(16));
    EXPECT_TRUE(reused.InPool());
}

TEST(ByteBuffer, GrowingAndShrinkingKeepTheContents)
{
    ByteBuffer buffer;
    ASSERT_TRUE(buffer.Resize(100));
    for (int i = 0; i < 100; ++i)
        buffer.Data()[i] = char(i);
    ASSERT_TRUE(buffer.Resize(5000));  // leaves the pool
    EXPECT_FALSE(buffer.InPool());
    EXPECT_EQ(ByteBufferPoolBlocksInUse(), 0);
    ASSERT_TRUE(buffer.Resize(10));  // shrinks on the heap
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(buffer.Data()[i], char(i));
    EXPECT_EQ(buffer.Size(), 10u);
}

TEST(ToNumber, LongTextsLeaveThePoolAndStillRoundCorrectly)
{
    // 0.1 followed by 2000 zeros and a 1, in full-width digits: too long for a pool block.
    std::string text = "\xA3\xB0\xA3\xAE\xA3\xB1";
    for (int i = 0; i < 2000; ++i)
        text += "\xA3\xB0";
    text += "\xA3\xB1";
    EXPECT_EQ(Bits(NumberOf(TypedValue::Text(text.c_str()))), Bits(0.1));
    EXPECT_EQ(ByteBufferPoolBlocksInUse(), 0);
}

}  // namespace
