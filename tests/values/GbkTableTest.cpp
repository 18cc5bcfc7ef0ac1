#include <gtest/gtest.h>

#include <random>
#include <string>

#include "values/GbkByIconv.h"
#include "values/GbkByTable.h"
#include "values/Utf8.h"

// The tables stand in for iconv: both paths must give the same bytes,
// "?" marks included, for every character and for broken input around them.
namespace {

TEST(GbkTable, DecodesEveryCodeAsIconvDoes)
{
    for (unsigned first = 0; first <= 0xFF; ++first) {
        const std::string one(1, char(first));
        ASSERT_EQ(GbkToUtf8ByTable(one), GbkToUtf8ByIconv(one)) << std::hex << first;
        for (unsigned second = 0; second <= 0xFF; ++second) {
            const std::string two{char(first), char(second)};
            ASSERT_EQ(GbkToUtf8ByTable(two), GbkToUtf8ByIconv(two)) << std::hex << first << ' ' << second;
        }
    }
}

TEST(GbkTable, EncodesEveryCodePointAsIconvDoes)
{
    // One at a time, so that a difference names its code point.
    for (uint32_t code_point = 0; code_point <= 0x10FFFF; ++code_point) {
        if (code_point >= 0xD800 && code_point <= 0xDFFF)
            continue;
        std::string character;
        AppendUtf8(character, code_point);
        ASSERT_EQ(Utf8ToGbkByTable(character), Utf8ToGbkByIconv(character)) << std::hex << code_point;
    }
}

TEST(GbkTable, BrokenTextGivesTheSameMarks)
{
    // Bytes near the edges of the lead, trail and UTF-8 ranges, where the two paths could part.
    const unsigned char alphabet[] = {0x00, 0x30, 0x3F, 0x40, 0x7E, 0x7F, 0x80, 0x81, 0x8F,
                                      0x90, 0xA0, 0xA1, 0xBF, 0xC0, 0xC2, 0xD6, 0xDF, 0xE0,
                                      0xE4, 0xED, 0xEF, 0xF0, 0xF4, 0xF5, 0xFE, 0xFF, 'a'};
    // Short texts, and texts long enough that iconv takes them in several pieces, with
    // sequences cut at every place between them.
    const struct {
        size_t longest;
        int rounds;
    } sizes[] = {{24, 20000}, {400, 2000}};
    std::mt19937 random(12);
    std::uniform_int_distribution<size_t> pick(0, sizeof alphabet - 1);
    for (const auto& size : sizes) {
        std::uniform_int_distribution<size_t> length(0, size.longest);
        for (int round = 0; round < size.rounds; ++round) {
            std::string text(length(random), '\0');
            for (char& c : text)
                c = char(alphabet[pick(random)]);
            ASSERT_EQ(GbkToUtf8ByTable(text), GbkToUtf8ByIconv(text)) << ::testing::PrintToString(text);
            ASSERT_EQ(Utf8ToGbkByTable(text), Utf8ToGbkByIconv(text)) << ::testing::PrintToString(text);
        }
    }
}

}  // namespace
