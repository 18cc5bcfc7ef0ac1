// The engine against a literal, whole-text rewriting of the same rules (ReferenceEngine.h) on
// many random short expressions: the engine's shortcuts (gap buffers, group starts kept off the
// text, reductions that stop after the last operator, values tracked by their bounds) must
// never change a result.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "calc/EvaluateExpression.h"
#include "calc/ReduceOperators.h"
#include "calc/ResolveParentheses.h"
#include "tests/calc/ReferenceEngine.h"

namespace {

// clang-format off
const std::vector<std::string> kNumberPieces = {
    "0", "1", "2", "3", "5", "7", "9", "00", ".", "0.5", "12", "1e", "e", "E", "1e5", "2e-3",
    "\\", "1e300", "0.0000001",
};
// clang-format on
const std::vector<std::string> kOperatorPieces = {"+", "-", "*", "/", "^", "--", "*-", "^-", "+-"};
// Groups and calls with negative values, and powers of them.
const std::vector<std::string> kGroupPieces = {
    "(", "(", ")", ")", "()", "(0-2)", "(0-3)", "(-", "-(", ")^2", ")^3", "(0-8)", "(1/3)", "^(0-1)",
};
// Characters an input method types: × ÷ 。, full-width forms, and other Chinese characters.
// clang-format off
const std::vector<std::string> kGbkPieces = {
    "\xA1\xC1", "\xA1\xC2", "\xA1\xA3", "\xA3\xB3", "\xA3\xA8", "\xA3\xA9", "\xD6\xD0", "\x85\x5E",
    "\x84\x65", "\x81\x35", "\x81(", "\x81", "\xA3",
};
// clang-format on

std::vector<std::string> Pieces(std::initializer_list<const std::vector<std::string>*> sets)
{
    std::vector<std::string> pieces;
    for (const auto* set : sets)
        pieces.insert(pieces.end(), set->begin(), set->end());
    return pieces;
}

// Checks engine against reference on `rounds` texts of up to max_pieces random pieces.
template <class Engine, class Reference>
void ExpectAgreement(Engine engine, Reference reference, const std::vector<std::string>& pieces,
                     size_t max_pieces, unsigned seed, int rounds = 40000)
{
    std::mt19937 rng(seed);
    std::uniform_int_distribution<size_t> count(0, max_pieces);
    std::uniform_int_distribution<size_t> pick(0, pieces.size() - 1);
    for (int i = 0; i < rounds; ++i) {
        std::string text;
        for (size_t n = count(rng); n > 0; --n)
            text += pieces[pick(rng)];
        ASSERT_EQ(engine(text), reference(text)) << "input: " << text;
    }
}

TEST(EngineAgreement, ReduceOperators)
{
    ExpectAgreement([](const std::string& t) { return ReduceOperators(t); },
                    [](const std::string& t) { return reference::ReduceOperators(t); },
                    Pieces({&kNumberPieces, &kOperatorPieces}), 12, 1);
}

TEST(EngineAgreement, ResolveParentheses)
{
    std::vector<std::string> extra = {"a", " ", "e+", "x5"};
    ExpectAgreement([](const std::string& t) { return ResolveParentheses(t); },
                    [](const std::string& t) { return reference::ResolveParentheses(t); },
                    Pieces({&kNumberPieces, &kOperatorPieces, &kGroupPieces, &kGbkPieces, &extra}), 16, 2);
}

TEST(EngineAgreement, EvaluateExpression)
{
    std::vector<std::string> calls = {"sin(", "cos(", "tg(",   "ctg(",     "c",        "s",
                                      "90",   "45",   "180",   "co",       "si",       "ct",
                                      "n(",   "s(",   "sin()", "sin(120)", "cos(120)", "sin(-30)"};
    ExpectAgreement([](const std::string& t) { return EvaluateExpression(t); },
                    [](const std::string& t) { return reference::EvaluateExpression(t); },
                    Pieces({&kNumberPieces, &kOperatorPieces, &kGroupPieces, &kGbkPieces, &calls}), 14, 3);
}

// Signs, groups and powers only, so that values with signs meet "^" often.
TEST(EngineAgreement, SignedValuesAndPowers)
{
    std::vector<std::string> pieces = {"-",        "+",        "-",   "*",        "/",       "^", "^",
                                       "2",        "3",        "0.5", "(0-2)",    "(0-3)",   "(", ")",
                                       "sin(-30)", "cos(120)", "(2)", "\xA1\xC1", "\xA1\xC2"};
    ExpectAgreement([](const std::string& t) { return EvaluateExpression(t); },
                    [](const std::string& t) { return reference::EvaluateExpression(t); }, pieces, 10, 5);
}

TEST(EngineAgreement, RandomBytes)
{
    std::vector<std::string> bytes;
    for (int b = 1; b < 256; ++b)
        bytes.push_back(std::string(1, char(b)));
    ExpectAgreement([](const std::string& t) { return EvaluateExpression(t); },
                    [](const std::string& t) { return reference::EvaluateExpression(t); }, bytes, 40, 4, 20000);
}

}  // namespace
