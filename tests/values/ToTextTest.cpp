#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "tests/values/CommandCall.h"
#include "values/Gbk.h"
#include "values/Number.h"
#include "values/NumberText.h"
#include "values/Bits.h"

namespace {

const double kInf = std::numeric_limits<double>::infinity();
// The NaN x86 arithmetic makes (0 * inf); WebAssembly's arithmetic makes a positive one.
const double kDefaultNan = BitCast<double>(uint64_t{0xFFF8000000000000});

std::optional<std::string> TextOf(const TypedValue& value) { return TakeText(RunCommand(ToText, {value})); }

struct DoubleCase {
    double value;
    const char* expected;
};

TEST(ToText, WritesDoublesWithThirteenDigits)
{
    // clang-format off
    const DoubleCase cases[] = {
        {30.0, "30"}, {0.5, "0.5"}, {1.0 / 3.0, "0.3333333333333"}, {2.0 / 3.0, "0.6666666666667"},
        {0.1 + 0.2, "0.3"}, {-2.5, "-2.5"}, {0.0, "0"}, {-0.0, "0"},
        {1234567890123.0, "1234567890123"}, {12345678901234.0, "1.234567890123e+013"},
        {1e13, "1e+013"}, {0.0001, "0.0001"}, {0.00001, "1e-005"}, {1e100, "1e+100"},
        {1e-300, "1e-300"}, {std::ldexp(1.0, -20), "9.536743164063e-007"},
        {9.99999999999995, "10"}, {kInf, "1.#INF"}, {kDefaultNan, "-1.#IND"},
        {1e20, "1e+020"}, {1.5e-7, "1.5e-007"}, {2.5e100, "2.5e+100"},
        {-kInf, "-1.#INF"}, {-1.7976931348623157e308, "-1.797693134862e+308"},
        {4.9406564584124654e-324, "4.940656458412e-324"}, {0.00012345, "0.00012345"},
        {9999999999999.5, "1e+013"}, {999999999999.95, "999999999999.9"}, {100.0, "100"}, {-0.000099999999999999999, "-0.0001"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(TextOf(TypedValue::Double(c.value)), c.expected) << c.value;
}

TEST(ToText, NamesEveryKindOfNan)
{
    // clang-format off
    const struct {
        uint64_t bits;
        const char* expected;
    } cases[] = {
        {0xFFF8000000000000, "-1.#IND"}, {0x7FF8000000000000, "1.#QNAN"},
        {0xFFF8000000000001, "-1.#QNAN"}, {0x7FFC000000000000, "1.#QNAN"},
        {0x7FF0000000000001, "1.#SNAN"}, {0xFFF4000000000000, "-1.#SNAN"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(TextOf({c.bits, TYPE_DOUBLE}), c.expected) << std::hex << c.bits;
}

TEST(ToText, WritesFloatsWithSixDigits)
{
    // clang-format off
    const struct {
        uint32_t bits;
        const char* expected;
    } cases[] = {
        {BitCast<uint32_t>(0.1f), "0.1"}, {BitCast<uint32_t>(1234567.0f), "1.23457e+006"},
        {BitCast<uint32_t>(100000.0f), "100000"}, {BitCast<uint32_t>(-2.5f), "-2.5"},
        {BitCast<uint32_t>(1.0f / 3.0f), "0.333333"}, {0x00000000, "0"}, {0x80000000, "0"},
        {0x7F800000, "1.#INF"}, {0xFF800000, "-1.#INF"}, {0xFFC00000, "-1.#IND"},
        {0x7FC00000, "1.#QNAN"}, {0xFFC00001, "-1.#QNAN"}, {0x7F800001, "1.#SNAN"},
        {0xFFA00000, "-1.#SNAN"}, {BitCast<uint32_t>(3.4028235e38f), "3.40282e+038"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(TextOf({c.bits, TYPE_FLOAT}), c.expected) << std::hex << c.bits;
}

TEST(RoundToSixDigits, KeepsSixSignificantDigits)
{
    // clang-format off
    const struct {
        float x;
        double expected;
    } cases[] = {
        {1234567.0f, 1234570.0}, {0.1f, 0.1}, {-0.1f, -0.1}, {100000.0f, 100000.0}, {5.0f, 5.0},
        {1.0f, 1.0}, {9.5f, 9.5}, {0.0f, 0.0},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(RoundToSixDigits(c.x), c.expected) << c.x;
}

TEST(ToText, WritesIntegersInDecimal)
{
    // clang-format off
    const struct {
        TypedValue value;
        const char* expected;
    } cases[] = {
        {TypedValue::Int(-5), "-5"}, {TypedValue::Int(0), "0"}, {{0x80000000, TYPE_INT}, "-2147483648"},
        {{0xC8, TYPE_BYTE}, "200"}, {{0x1FF, TYPE_BYTE}, "255"}, {{0xFFFF, TYPE_SHORT}, "-1"},
        {{0x7FFF, TYPE_SHORT}, "32767"}, {TypedValue::Long(INT64_MIN), "-9223372036854775808"},
        {TypedValue::Long(INT64_MAX), "9223372036854775807"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(TextOf(c.value), c.expected) << c.value.type;
}

TEST(ToText, WritesBooleansAndCopiesTexts)
{
    const char abc[] = "abc";
    const TypedValue abc_value = TypedValue::Text(abc);
    const TypedValue result = RunCommand(ToText, {abc_value});
    EXPECT_NE(result.AsText(), abc);  // a new block, not the argument
    EXPECT_EQ(TakeText(result), "abc");

    EXPECT_EQ(TextOf(TypedValue::Bool(true)), Utf8ToGbk("真"));
    EXPECT_EQ(TextOf({0x100, TYPE_BOOL}), Utf8ToGbk("真"));
    EXPECT_EQ(TextOf(TypedValue::Bool(false)), Utf8ToGbk("假"));
    EXPECT_EQ(TextOf(TypedValue::Text("\xD5\xE6")), "\xD5\xE6");
}

TEST(ToText, GivesNullForEmptyResultsAndUnknownTypes)
{
    // clang-format off
    const TypedValue cases[] = {
        TypedValue::Text(""), TypedValue::Text(EmptyText), TypedValue::Omitted(),
        {12345, TYPE_UINT32}, {1, 0x80000007}, {0x1000, TYPE_TEXT | TYPE_ARRAY_FLAG},
        {0x1000, 0x20000000},
    };
    // clang-format on
    for (const TypedValue& value : cases)
        EXPECT_EQ(RunCommand(ToText, {value}).payload, 0u) << std::hex << value.type;
}

TEST(ToText, WritesOleDatesInChinese)
{
    // clang-format off
    const struct {
        double date;
        const char* expected;  // UTF-8 here, GBK in the result
    } cases[] = {
        {0.0, "1899年12月30日"}, {45000.0, "2023年3月15日"}, {45000.5, "2023年3月15日12时"},
        {45000.75 + 30.0 / 1440, "2023年3月15日18时30分"}, {2.0 + 1.0 / 86400, "1900年1月1日0时0分1秒"},
        {-1.25, "1899年12月29日6时"}, {-1e9, "100年1月1日"}, {1e9, "9999年12月31日"},
        {2958465.9999999, "9999年12月31日23时59分59秒"}, {0.99999999, "1899年12月31日"},
        {60.0, "1900年2月28日"}, {61.0, "1900年3月1日"}, {36585.0, "2000年2月29日"},
        {std::numeric_limits<double>::quiet_NaN(), "1899年12月30日"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const TypedValue value{BitCast<uint64_t>(c.date), TYPE_DATETIME};
        EXPECT_EQ(TextOf(value), Utf8ToGbk(c.expected)) << c.date;
    }
}

// Lays out a block of 32-bit header words followed by raw bytes.
std::vector<char> Block(std::initializer_list<uint32_t> words, std::string_view bytes)
{
    std::vector<char> block(words.size() * 4 + bytes.size());
    std::memcpy(block.data(), std::data(words), words.size() * 4);
    std::memcpy(block.data() + words.size() * 4, bytes.data(), bytes.size());
    return block;
}

TEST(ToText, ReadsByteSetsAndNumericArraysUpToTheFirstZero)
{
    const std::vector<char> set = Block({1, 4}, std::string_view("ab\0c", 4));
    const std::vector<char> full_set = Block({1, 3}, "xyzTRAILING");
    const std::vector<char> empty_set = Block({1, 0}, "never read");
    const std::vector<char> ints = Block({1, 2}, std::string_view("abcdefgh", 8));
    const std::vector<char> shorts = Block({1, 3}, std::string_view("ABCD\0F", 6));
    const std::vector<char> matrix = Block({2, 2, 2}, std::string_view("abcdefgh", 8));
    const std::vector<char> no_dimensions = Block({0}, "abc");
    auto address = [](const std::vector<char>& b) { return uint64_t(uintptr_t(b.data())); };
    const struct {
        TypedValue value;
        std::optional<std::string> expected;
    } cases[] = {
        {{address(set), TYPE_BYTESET}, "ab"},
        {{address(full_set), TYPE_BYTESET}, "xyz"},
        {{address(empty_set), TYPE_BYTESET}, std::nullopt},
        {{address(ints), TYPE_INT | TYPE_ARRAY_FLAG}, "abcdefgh"},
        {{address(shorts), TYPE_SHORT | TYPE_ARRAY_FLAG}, "ABCD"},
        {{address(ints), TYPE_BYTE | TYPE_ARRAY_FLAG}, "ab"},
        {{address(matrix), TYPE_BYTE | TYPE_ARRAY_FLAG}, "abcd"},
        {{address(no_dimensions), TYPE_BYTE | TYPE_ARRAY_FLAG}, std::nullopt},
        {{address(ints), TYPE_BOOL | TYPE_ARRAY_FLAG}, std::nullopt},
        {{0, TYPE_BYTESET}, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextOf(c.value), c.expected) << std::hex << c.value.type;
}

TEST(FormatNumber, FitsTheLongestTextsInTheBuffer)
{
    // clang-format off
    const TypedValue cases[] = {
        TypedValue::Double(-1.2345678901234e-300), TypedValue::Long(INT64_MIN),
        TypedValue::Float(-1.17549435e-38f), TypedValue::Double(-123456789012.34),
    };
    // clang-format on
    for (const TypedValue& value : cases) {
        char buffer[kNumberTextSize];
        const size_t length = FormatNumber(value, buffer);
        EXPECT_LE(length, kLongestDoubleText);
        EXPECT_EQ(std::strlen(buffer), length);
    }
    char buffer[kNumberTextSize];
    EXPECT_EQ(FormatNumber(TypedValue::Text("1"), buffer), 0u);
}

TEST(FormatDouble, HonoursOtherPrecisions)
{
    // clang-format off
    const struct {
        double value;
        int precision;
        const char* expected;
    } cases[] = {
        {1234567.0, 6, "1.23457e+006"}, {0.5, 1, "0.5"}, {0.25, 1, "0.3"}, {95.0, 1, "1e+002"},
        {0.1, 17, "0.10000000000000001"}, {1.0 / 3.0, 0, "0.3"}, {2.0 / 3.0, 99, "0.66666666666666663"},
    };
    // clang-format on
    for (const auto& c : cases) {
        char buffer[kNumberTextSize];
        FormatDouble(c.value, buffer, c.precision);
        EXPECT_STREQ(buffer, c.expected) << c.value << " %." << c.precision << 'g';
    }
}

// Whole numbers below 10^P take a short way; from 10^P on, the general one.
TEST(FormatDouble, WholeNumbersAreTheirDigitsBelowTenToThePrecision)
{
    char buffer[kNumberTextSize];
    // clang-format off
    const struct {
        double value;
        int precision;
        const char* expected;
    } cases[] = {
        {9999999999999.0, 13, "9999999999999"}, {10000000000000.0, 13, "1e+013"}, {-42.0, 13, "-42"},
        {999999.0, 6, "999999"}, {1000000.0, 6, "1e+006"}, {1e16, 17, "10000000000000000"},
        {1e17, 17, "1e+017"}, {9.0, 1, "9"}, {10.0, 1, "1e+001"},
    };
    // clang-format on
    for (const auto& c : cases) {
        FormatDouble(c.value, buffer, c.precision);
        EXPECT_STREQ(buffer, c.expected) << c.value << " %." << c.precision << 'g';
    }
    std::mt19937_64 random(20261207);
    for (int i = 0; i < 4000; ++i) {
        const int64_t whole = int64_t(random() % 10000000000000 >> (random() % 44)) * (i % 2 != 0 ? -1 : 1);
        FormatDouble(double(whole), buffer);
        EXPECT_EQ(std::string(buffer), std::to_string(whole));
    }
}

}  // namespace
