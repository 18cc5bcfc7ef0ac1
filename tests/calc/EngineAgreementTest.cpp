// The engine against a literal, whole-text rewriting of the same rules (ReferenceEngine.h) on
// many random short expressions: the engine's shortcuts (gap buffer, group starts kept off the
// text, reductions that stop after the last operator) must never change a result.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "calc/EvaluateExpression.h"
#include "calc/ReduceOperators.h"
#include "calc/ResolveParentheses.h"
#include "tests/calc/ReferenceEngine.h"

namespace {

std::string RandomText(std::mt19937& rng, const std::vector<std::string>& pieces, size_t max_pieces)
{
    std::uniform_int_distribution<size_t> count(0, max_pieces);
    std::uniform_int_distribution<size_t> pick(0, pieces.size() - 1);
    std::string text;
    for (size_t n = count(rng); n > 0; --n)
        text += pieces[pick(rng)];
    return text;
}

const std::vector<std::string> kNumberPieces = {
    "0", "1", "2", "3", "5", "7", "9", "00", ".", "0.5", "12", "1e", "e", "E", "1e5", "2e-3",
    "\\", "1e300", "0.0000001",
};
const std::vector<std::string> kOperatorPieces = {"+", "-", "*", "/", "^", "--", "*-"};

TEST(EngineAgreement, ReduceOperators)
{
    std::mt19937 rng(1);
    std::vector<std::string> pieces = kNumberPieces;
    pieces.insert(pieces.end(), kOperatorPieces.begin(), kOperatorPieces.end());
    for (int i = 0; i < 40000; ++i) {
        const std::string text = RandomText(rng, pieces, 12);
        ASSERT_EQ(ReduceOperators(text), reference::ReduceOperators(text)) << "input: " << text;
    }
}

TEST(EngineAgreement, ResolveParentheses)
{
    std::mt19937 rng(2);
    std::vector<std::string> pieces = kNumberPieces;
    pieces.insert(pieces.end(), kOperatorPieces.begin(), kOperatorPieces.end());
    pieces.insert(pieces.end(), {"(", "(", ")", ")", "()", "a", " ", "e+", "\xD6\xD0", "\x81", "x5"});
    for (int i = 0; i < 40000; ++i) {
        const std::string text = RandomText(rng, pieces, 16);
        ASSERT_EQ(ResolveParentheses(text), reference::ResolveParentheses(text)) << "input: " << text;
    }
}

TEST(EngineAgreement, EvaluateExpression)
{
    std::mt19937 rng(3);
    std::vector<std::string> pieces = kNumberPieces;
    pieces.insert(pieces.end(), kOperatorPieces.begin(), kOperatorPieces.end());
    pieces.insert(pieces.end(), {"sin(", "cos(", "tg(", "ctg(", "c", "s", "(", ")", ")", "90", "45",
                                 "180", "co", "si", "ct", "n(", "s(", "sin()", "\xA3\xB3", "\xA3\xA8", "\xA3\xA9", "\x81", "\xA3", "\xD6\xD0"});
    for (int i = 0; i < 40000; ++i) {
        const std::string text = RandomText(rng, pieces, 14);
        ASSERT_EQ(EvaluateExpression(text), reference::EvaluateExpression(text)) << "input: " << text;
    }
}

TEST(EngineAgreement, RandomBytes)
{
    std::mt19937 rng(4);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 40);
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        for (int n = length(rng); n > 0; --n)
            text += char(byte(rng));
        ASSERT_EQ(EvaluateExpression(text), reference::EvaluateExpression(text));
    }
}

}  // namespace
