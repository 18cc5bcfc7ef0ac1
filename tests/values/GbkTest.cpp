#include <gtest/gtest.h>

#include <string>

#include "values/Gbk.h"

namespace {

TEST(Gbk, ConvertsBothWays)
{
    // clang-format off
    const struct { const char* gbk; const char* utf8; } cases[] = {
        {"", ""},
        {"abc 1.5\r\n", "abc 1.5\r\n"},
        {"\xD6\xD0" "a", "中a"},
        {"\xA3\xB1\xA3\xB2\xA3\xAE\xA3\xB5", "１２．５"},
        {"\xA1\xA1", "\u3000"},
        {"\xB4\xED\xCE\xF3\xB4\xFA\xC2\xEB\xA3\xBA", "错误代码："},
        {"\x80", "€"},  // the code page's euro sign
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(GbkToUtf8(c.gbk), c.utf8) << c.utf8;
        EXPECT_EQ(Utf8ToGbk(c.utf8), c.gbk) << c.utf8;
    }
}

TEST(Gbk, InvalidGbkBecomesQuestionMarks)
{
    // clang-format off
    const struct { std::string gbk; const char* utf8; } cases[] = {
        {"\xFF", "?"},
        {"a\xD6", "a?"},                  // lead byte cut off by the end
        {"\x81\x30z", "?0z"},             // bad trail byte: the ASCII after the lead survives
        {"\xFF\xD6\xD0\xFF", "?中?"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(GbkToUtf8(c.gbk), c.utf8) << c.utf8;
    EXPECT_EQ(GbkToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Gbk, Utf8WithoutAGbkFormBecomesQuestionMarks)
{
    // clang-format off
    const struct { const char* utf8; const char* gbk; } cases[] = {
        {"😀", "?"},
        {"a😀b", "a?b"},
        {"\xC3", "?"},              // broken: one mark per byte
        {"\xE4\xB8", "??"},
        {"\xC0\xAF", "??"},         // overlong form of "/"
        {"\xED\xA0\x80", "???"},    // a surrogate
        {"x\xFFy", "x?y"},
        {"\xF4\x90\x80\x80", "????"},  // past U+10FFFF
        {"\xE0\x80\x80", "???"},        // overlong three-byte form
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(Utf8ToGbk(c.utf8), c.gbk) << c.utf8;
}

TEST(Gbk, LongTextsSurviveTheRoundTrip)
{
    std::string utf8;
    for (int i = 0; i < 2000; ++i)
        utf8 += i % 3 == 0 ? "运行时出错!" : i % 3 == 1 ? "abc" : "😀";
    const std::string gbk = Utf8ToGbk(utf8);
    std::string expected;
    for (int i = 0; i < 2000; ++i)
        expected += i % 3 == 0 ? "运行时出错!" : i % 3 == 1 ? "abc" : "?";
    EXPECT_EQ(GbkToUtf8(gbk), expected);
}

}  // namespace
