// Texts as long as an edit box holds (64 KB): long chains, deep nesting, pathological bytes.
// Each must come out right, without deep recursion, and in near-linear time.
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>

#include "calc/EvaluateExpression.h"

namespace {

constexpr size_t kBoxBytes = 65536;

#if defined(__SANITIZE_ADDRESS__) || !defined(NDEBUG)
constexpr double kSecondsAllowed = 10.0;  // instrumented builds are many times slower
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr double kSecondsAllowed = 10.0;
#else
constexpr double kSecondsAllowed = 1.0;
#endif
#else
constexpr double kSecondsAllowed = 1.0;
#endif

std::string Repeat(const std::string& piece, size_t count)
{
    std::string text;
    text.reserve(piece.size() * count);
    for (size_t i = 0; i < count; ++i)
        text += piece;
    return text;
}

// Evaluates text, failing the test when it takes longer than a quadratic engine would need.
std::string TimedEvaluate(const std::string& text)
{
    const auto start = std::chrono::steady_clock::now();
    std::string value = EvaluateExpression(text);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    EXPECT_LT(took.count(), kSecondsAllowed) << "input of " << text.size() << " bytes";
    return value;
}

TEST(LargeInput, LongChains)
{
    EXPECT_EQ(TimedEvaluate("1" + Repeat("+1", kBoxBytes / 2 - 1)), "32768");
    EXPECT_EQ(TimedEvaluate("1" + Repeat("-1", kBoxBytes / 2 - 1)), "-32766");
    EXPECT_EQ(TimedEvaluate("2" + Repeat("*1", kBoxBytes / 2 - 1)), "2");
    EXPECT_EQ(TimedEvaluate("2" + Repeat("^1", kBoxBytes / 2 - 1)), "2");
    EXPECT_EQ(TimedEvaluate(Repeat("sin(30)+", kBoxBytes / 8) + "0"), "4095.999999998");
}

TEST(LargeInput, DeepNesting)
{
    const size_t depth = kBoxBytes / 2 - 1;
    EXPECT_EQ(TimedEvaluate(Repeat("(", depth) + "1" + Repeat(")", depth)), "1");
    EXPECT_EQ(TimedEvaluate(Repeat("(1+", kBoxBytes / 4) + "1" + Repeat(")", kBoxBytes / 4)), "16385");
    EXPECT_EQ(TimedEvaluate(Repeat("(", kBoxBytes / 4) + "1" + Repeat("+1)", kBoxBytes / 4)), "16385");
    EXPECT_EQ(TimedEvaluate(Repeat("(", kBoxBytes)), "");
    EXPECT_EQ(TimedEvaluate(Repeat(")", kBoxBytes)), "");
    EXPECT_EQ(TimedEvaluate(Repeat("sin(", kBoxBytes / 4)), "");
    // Deeply nested calls equal the same calls taken one at a time.
    const size_t calls = kBoxBytes / 8;
    std::string stepwise = "30";
    for (size_t i = 0; i < 50; ++i)
        stepwise = EvaluateExpression("sin(" + stepwise + ")");
    EXPECT_EQ(TimedEvaluate(Repeat("sin(", 50) + "30" + Repeat(")", 50)), stepwise);
    EXPECT_EQ(TimedEvaluate(Repeat("cos(", calls) + "0" + Repeat(")", calls)), "0.9998477415311");
}

// Nesting around a long text that no operation consumes: each level must not pay for it.
TEST(LargeInput, DeepNestingAroundLongTexts)
{
    const std::string value = TimedEvaluate(Repeat("(1+", 8192) + "1" + Repeat("\\", 32768) + Repeat(")", 8192));
    EXPECT_EQ(value, "8193" + Repeat("\\", 32768));
    EXPECT_EQ(TimedEvaluate(Repeat("(", 16384) + "-1" + Repeat("\\", 32768) + Repeat(")", 16384)),
              "-1" + Repeat("\\", 32768));
    EXPECT_EQ(TimedEvaluate(Repeat("(1+", 8192) + "2." + "." + Repeat("5", 32768) + Repeat(")", 8192)),
              "8194.555555556");
}

TEST(LargeInput, ArbitraryBytes)
{
    std::mt19937 rng(64);
    for (int round = 0; round < 4; ++round) {
        std::string bytes(kBoxBytes, '\0');
        for (char& c : bytes)
            c = char(rng() % 256);
        TimedEvaluate(bytes);
        const char alphabet[] = "0123456789+-*/^().e\\sinctg";
        for (char& c : bytes)
            c = alphabet[rng() % (sizeof alphabet - 1)];
        TimedEvaluate(bytes);
    }
}

}  // namespace
