#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>

#include "tests/values/CommandCall.h"
#include "values/TextBlocks.h"

namespace {

using Text = std::optional<std::string>;  // nullopt: the null (empty) result
const Text kEmpty = std::nullopt;

TypedValue T(const char* text) { return TypedValue::Text(text); }
TypedValue I(int32_t value) { return TypedValue::Int(value); }
const TypedValue kOmitted = TypedValue::Omitted();

// GBK 中 is D6 D0.
const char kZhong[] = "\xD6\xD0";
const char kZhongA[] = "\xD6\xD0"
                       "a";

TEST(TextLength, CountsBytes)
{
    // clang-format off
    const struct { const char* text; int32_t expected; } cases[] = {
        {EmptyText, 0}, {kZhongA, 3}, {"abc", 3},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(RunCommand(TextLength, {T(c.text)}).AsInt(), c.expected) << c.text;
}

TEST(LeftText, ClampsTheCount)
{
    // clang-format off
    const struct { const char* text; int32_t n; Text expected; } cases[] = {
        {"abcdef", 3, "abc"}, {"abc", 10, "abc"}, {"abc", 0, kEmpty}, {"abc", -1, kEmpty},
        {"abc", INT_MAX, "abc"}, {"abc", INT_MIN, kEmpty}, {EmptyText, 3, kEmpty},
        {kZhongA, 1, "\xD6"},  // cuts at bytes, even inside a character
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(TakeText(RunCommand(LeftText, {T(c.text), I(c.n)})), c.expected) << c.text << " " << c.n;
}

TEST(RightText, ClampsTheCount)
{
    // clang-format off
    const struct { const char* text; int32_t n; Text expected; } cases[] = {
        {"abcdef", 2, "ef"}, {"abc", 5, "abc"}, {EmptyText, 3, kEmpty}, {"abc", 0, kEmpty},
        {"abc", -4, kEmpty}, {"abc", INT_MAX, "abc"}, {kZhongA, 2, "\xD0" "a"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(TakeText(RunCommand(RightText, {T(c.text), I(c.n)})), c.expected) << c.text << " " << c.n;
}

TEST(MidText, ClampsStartAndCount)
{
    // clang-format off
    const struct { const char* text; int32_t start, n; Text expected; } cases[] = {
        {"abcdef", 2, 3, "bcd"}, {"abcdef", 5, 10, "ef"}, {"abcdef", 6, 1, "f"},
        {"abcdef", 7, 1, kEmpty}, {"abcdef", 0, 2, kEmpty}, {"abcdef", 2, 0, kEmpty},
        {"abcdef", 2, -3, kEmpty}, {"abcdef", INT_MIN, 2, kEmpty}, {"abcdef", INT_MAX, 2, kEmpty},
        // start + n past INT_MAX must clamp, not wrap round.
        {"abcdef", 3, INT_MAX, "cdef"}, {EmptyText, 1, 1, kEmpty},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(TakeText(RunCommand(MidText, {T(c.text), I(c.start), I(c.n)})), c.expected)
            << c.text << " " << c.start << " " << c.n;
    }
}

TEST(FindText, FindsFromStartAtCharacterBoundaries)
{
    const TypedValue kFalse = TypedValue::Bool(false), kTrue = TypedValue::Bool(true);
    // clang-format off
    const struct { const char* text; const char* sought; TypedValue start, ignore_case; int32_t expected; } cases[] = {
        {"abcabc", "c", kOmitted, kFalse, 3},
        {"abcabc", "c", I(4), kFalse, 6},
        {"abcabc", "c", I(7), kFalse, -1},
        {"abcabc", "c", I(-5), kFalse, 3},
        {"abcabc", "c", I(INT_MIN), kFalse, 3},
        {"abcabc", "c", I(INT_MAX), kFalse, -1},
        {"abcabc", "C", kOmitted, kFalse, -1},
        {"abcabc", "C", kOmitted, kTrue, 3},
        {"ABCabc", "bc", kOmitted, kTrue, 2},
        {"abcabc", "C", kOmitted, TypedValue::Int(2), -1},  // only exactly 1 ignores case
        {"abc", EmptyText, kOmitted, kFalse, 1},
        {"abc", EmptyText, I(3), kFalse, 1},  // 1 even from a later start
        {"abc", EmptyText, I(4), kFalse, -1},
        {EmptyText, EmptyText, kOmitted, kFalse, -1},
        {"abc", "abcd", kOmitted, kFalse, -1},
        {"abc", "abc", kOmitted, kFalse, 1},
        {kZhongA, "a", kOmitted, kFalse, 3},
        // D0 is the second byte of 中: never a match there.
        {kZhongA, "\xD0", kOmitted, kFalse, -1},
        {"x" "\xD6\xD0", "\xD6\xD0", kOmitted, kFalse, 2},
        // A lead byte with nothing after it ends the search.
        {"\xD6", "z", kOmitted, kFalse, -1},
        {"ab\xD6", "\xD6", kOmitted, kFalse, 3},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(RunCommand(FindText, {T(c.text), T(c.sought), c.start, c.ignore_case}).AsInt(), c.expected)
            << c.text << " / " << c.sought << " from " << c.start.AsInt();
    }
}

TEST(ReplaceText, ClampsAndSplices)
{
    // clang-format off
    const struct { const char* text; int32_t start, count; TypedValue replacement; Text expected; } cases[] = {
        {"abcdef", 2, 3, T("XY"), "aXYef"},
        {"abcdef", 2, 3, kOmitted, "aef"},
        {"abc", 10, 2, T("Z"), "abcZ"},
        {"abc", 0, 1, T("Z"), "Zbc"},
        {"abc", 2, -1, T("Z"), "aZbc"},
        {"abc", 1, 3, kOmitted, kEmpty},
        {"abc", 1, 3, T(EmptyText), kEmpty},
        {"abc", INT_MIN, INT_MAX, T("Z"), "Z"},
        {"abc", INT_MAX, INT_MAX, T("Z"), "abcZ"},
        {"abc", 3, INT_MAX, kOmitted, "ab"},
        {EmptyText, 1, 1, T("Z"), "Z"},
        {EmptyText, 1, 1, kOmitted, kEmpty},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(TakeText(RunCommand(ReplaceText, {T(c.text), I(c.start), I(c.count), c.replacement})), c.expected)
            << c.text << " " << c.start << " " << c.count;
    }
}

TEST(CharCode, ReadsSignedBytesInsideTheText)
{
    // clang-format off
    const struct { const char* text; TypedValue position; int32_t expected; } cases[] = {
        {"A", kOmitted, 65}, {"abc", I(2), 98}, {"abc", I(4), 0}, {"abc", I(0), 0},
        {"abc", I(5), 0}, {"abc", I(-1), 0}, {"abc", I(INT_MIN), 0}, {"abc", I(INT_MAX), 0},
        {kZhong, kOmitted, -42}, {kZhong, I(2), -48}, {EmptyText, kOmitted, 0},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(RunCommand(CharCode, {T(c.text), c.position}).AsInt(), c.expected)
            << c.text << " " << c.position.AsInt();
}

TEST(TextBlocks, EmptyTextsAreNull)
{
    EXPECT_EQ(NewText("abc", 0), nullptr);
    EXPECT_EQ(NewText("abc", -2), nullptr);
    EXPECT_EQ(DuplicateText(EmptyText), nullptr);
    EXPECT_EQ(DuplicateText(nullptr), nullptr);

    TextBlock part(NewText("abc\0def", 5));  // copies n bytes, NUL or not
    ASSERT_NE(part, nullptr);
    EXPECT_EQ(std::string(part.get(), 6), std::string("abc\0d\0", 6));
    TextBlock copy(DuplicateText("xyz"));
    EXPECT_STREQ(copy.get(), "xyz");
}

TEST(TextCommands, NullTextArgumentReadsAsEmpty)
{
    const TypedValue null_text = TypedValue::Text(nullptr);
    EXPECT_EQ(RunCommand(TextLength, {null_text}).AsInt(), 0);
    EXPECT_EQ(TakeText(RunCommand(LeftText, {null_text, I(3)})), kEmpty);
    EXPECT_EQ(RunCommand(FindText, {T("abc"), null_text, kOmitted, kOmitted}).AsInt(), 1);
    EXPECT_EQ(TakeText(RunCommand(ReplaceText, {T("abc"), I(2), I(1), null_text})), "ac");
}

}  // namespace
