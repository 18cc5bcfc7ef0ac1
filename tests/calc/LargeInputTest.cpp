// Texts as long as an edit box holds (64 KB): long chains, deep nesting, pathological bytes.
// Each must come out right and without deep recursion; bench/ times their growth.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "calc/EvaluateExpression.h"
#include "calc/ResolveParentheses.h"

namespace {

constexpr size_t kBoxBytes = 65536;

std::string Repeat(const std::string& piece, size_t count)
{
    std::string text;
    text.reserve(piece.size() * count);
    for (size_t i = 0; i < count; ++i)
        text += piece;
    return text;
}

TEST(LargeInput, LongChains)
{
    EXPECT_EQ(EvaluateExpression("1" + Repeat("+1", kBoxBytes / 2 - 1)), "32768");
    EXPECT_EQ(EvaluateExpression("1" + Repeat("-1", kBoxBytes / 2 - 1)), "-32766");
    EXPECT_EQ(EvaluateExpression("2" + Repeat("*1", kBoxBytes / 2 - 1)), "2");
    EXPECT_EQ(EvaluateExpression("2" + Repeat("^1", kBoxBytes / 2 - 1)), "2");
    EXPECT_EQ(EvaluateExpression(Repeat("sin(30)+", kBoxBytes / 8) + "0"), "4095.999999998");
}

TEST(LargeInput, DeepNesting)
{
    const size_t depth = kBoxBytes / 2 - 1;
    EXPECT_EQ(EvaluateExpression(Repeat("(", depth) + "1" + Repeat(")", depth)), "1");
    EXPECT_EQ(EvaluateExpression(Repeat("(1+", kBoxBytes / 4) + "1" + Repeat(")", kBoxBytes / 4)), "16385");
    EXPECT_EQ(EvaluateExpression(Repeat("(", kBoxBytes / 4) + "1" + Repeat("+1)", kBoxBytes / 4)), "16385");
    EXPECT_EQ(EvaluateExpression(Repeat("(", kBoxBytes)), "");
    EXPECT_EQ(EvaluateExpression(Repeat(")", kBoxBytes)), "");
    EXPECT_EQ(EvaluateExpression(Repeat("sin(", kBoxBytes / 4)), "");
    // Deeply nested calls equal the same calls taken one at a time.
    const size_t calls = kBoxBytes / 8;
    std::string stepwise = "30";
    for (size_t i = 0; i < 50; ++i)
        stepwise = EvaluateExpression("sin(" + stepwise + ")");
    EXPECT_EQ(EvaluateExpression(Repeat("sin(", 50) + "30" + Repeat(")", 50)), stepwise);
    EXPECT_EQ(EvaluateExpression(Repeat("cos(", calls) + "0" + Repeat(")", calls)), "0.9998477415311");
}

// Nesting around a long text that no operation consumes, and groups that each leave one
// behind: the texts stay whole, and the engine's answer is no number.
TEST(LargeInput, DeepNestingAroundLongTexts)
{
    const std::string around = Repeat("(1+", 8192) + "1" + Repeat("\\", 32768) + Repeat(")", 8192);
    EXPECT_EQ(ResolveParentheses(around), "8193" + Repeat("\\", 32768));
    EXPECT_EQ(EvaluateExpression(around), "");
    EXPECT_EQ(ResolveParentheses(Repeat("(", 16384) + "-1" + Repeat("\\", 32768) + Repeat(")", 16384)),
              "-1" + Repeat("\\", 32768));
    EXPECT_EQ(ResolveParentheses(Repeat("(1+" + Repeat("\\", 8), 4096) + Repeat(")", 4096)),
              Repeat("1" + Repeat("\\", 8), 4096));
    EXPECT_EQ(EvaluateExpression(Repeat("sin(1+(", 2048) + Repeat("\\", 16384) + Repeat("))", 2048)),
              EvaluateExpression(Repeat("sin(1+(", 2048) + "0" + Repeat("))", 2048)));
    EXPECT_EQ(EvaluateExpression(Repeat("(1+", 8192) + "2." + "." + Repeat("5", 32768) + Repeat(")", 8192)),
              "8194.555555556");
}

// Past the engine's limit (lowered here) a text is too long, whatever it holds; an engine that
// gave back the memory of a long text goes on answering.
TEST(LargeInput, TextsPastTheLimitAreTooLong)
{
    ExpressionEngine engine(16);
    const struct {
        std::string text;
        const char* value;
        Reason reason;
    } cases[] = {
        {"1+1+1+1+1+1+1+10", "17", Reason::None},
        {"1+1+1+1+1+1+1+100", "", Reason::TooLong},
        {std::string(17, ' '), "", Reason::TooLong},
        {"sin(30)+" + Repeat(" ", 9), "", Reason::TooLong},
    };
    for (const auto& c : cases) {
        const Evaluation e = engine.EvaluateWithReason(c.text);
        EXPECT_EQ(e.text, c.value) << c.text;
        EXPECT_EQ(e.reason, c.reason) << c.text;
    }
    ExpressionEngine unlimited;
    const size_t count = ExpressionEngine::kKeptWorkingBytes / 8 + 1;
    EXPECT_EQ(unlimited.Evaluate(Repeat("sin(90)+", count) + "0"), std::to_string(count));
    EXPECT_EQ(unlimited.Evaluate("2*tg(45)+1"), "2.99999999991");
}

TEST(LargeInput, ArbitraryBytes)
{
    std::mt19937 rng(64);
    for (int round = 0; round < 4; ++round) {
        std::string bytes(kBoxBytes, '\0');
        for (char& c : bytes)
            c = char(rng() % 256);
        EvaluateExpression(bytes);
        const char alphabet[] = "0123456789+-*/^().e\\sinctg";
        for (char& c : bytes)
            c = alphabet[rng() % (sizeof alphabet - 1)];
        EvaluateExpression(bytes);
    }
}

}  // namespace
