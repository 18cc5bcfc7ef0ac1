// Why a result is empty, as the engine, the angle computations and the solver report it, and
// the one wording each reason has in both languages.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "calc/AngleRatios.h"
#include "calc/EvaluateExpression.h"
#include "calc/Reasons.h"
#include "calc/SideLengths.h"

namespace {

TEST(Reasons, EngineSaysWhyItsTextIsEmpty)
{
    // clang-format off
    const struct {
        const char* input;
        Reason reason;
    } cases[] = {
        {"", Reason::EmptyExpression},          {"  \t", Reason::EmptyExpression},
        {"abc", Reason::NothingToEvaluate},     {"\xD6\xD0\xCE\xC4", Reason::NothingToEvaluate},
        {"()", Reason::EmptyGroup},             {"1+()", Reason::EmptyGroup},
        {"1/0", Reason::DivisionByZero},        {"5/0.0000001", Reason::DivisionByZero},
        {"ctg(0)", Reason::DivisionByZero},     {"sin(1/0)", Reason::DivisionByZero},
        {"2^1024", Reason::Overflow},           {"2*1e999", Reason::Overflow},
        {"sin(1e999)", Reason::Overflow},       {"(0-8)^(1/3)", Reason::NoRealPower},
        {"1+(0-8)^(1/3)", Reason::NoRealPower}, {"sin(30)sin(30)", Reason::NotOneNumber},
        {"1..2", Reason::NotOneNumber},         {"1\\2", Reason::NotOneNumber},
        {"sin(30)", Reason::None},              {"007", Reason::None},
    };
    // clang-format on
    for (const auto& c : cases) {
        const Evaluation e = EvaluateWithReason(c.input);
        EXPECT_EQ(e.reason, c.reason) << c.input;
        EXPECT_EQ(e.text, EvaluateExpression(c.input)) << c.input;
        EXPECT_EQ(e.text.empty(), c.reason != Reason::None) << c.input;
    }
}

const char* English(const char* english) { return english; }

// The characters the filter passed over, white space aside, runs apart by a space, and the
// working: the text read when it differs from the typed one and gives the same value.
TEST(Reasons, EngineSaysWhatItIgnoredAndWhatItRead)
{
    const std::string why = " (the engine reads sin cos tg ctg in degrees and ^ * / + -)";
    // clang-format off
    const struct {
        std::string input;
        std::string text;
        const char* ignored;
        std::string working;
    } cases[] = {
        {"Sin(30)", "30", "Sin", "evaluated as (30)\nignored: Sin" + why},
        {"sqrt(2)", "2", "sqrt", "evaluated as (2)\nignored: sqrt" + why},
        {"1 + 2", "3", "", ""},             {"sin(30)", "0.499999999987", "", ""},
        {"2\x85\x5E" "3", "23", "\x85\x5E", "evaluated as 23\nignored: \xE5\x8D\x80" + why},
        {"5%2", "52", "%", "evaluated as 52\nignored: %" + why},
        {"1 apple + 2 pears", "3", "apple pears", "evaluated as 1+2\nignored: apple pears" + why},
        {"2)", "2", ")", "ignored: )" + why},
        {"sin(x30)", "0.499999999987", "x", "evaluated as sin(30)\nignored: x" + why},
        // Full-width forms and × ÷ 。 are read, a full-width space is white space.
        {"\xA3\xB3\xA1\xC1\xA3\xB2", "6", "", "evaluated as 3*2"},
        {"1\xA1\xA1+\xA1\xA1" "2", "3", "", ""},
        {"2e3x", "2e3", "x", "evaluated as 2e3\nignored: x" + why},
        {"2ex3", "23", "ex", "evaluated as 23\nignored: ex" + why},
        {"xsin(30)e1", "0.499999999987e1", "x", "evaluated as sin(30)e1\nignored: x" + why},
        {"1/0x", "", "x", ""},
        // Read otherwise than the engine reads it (the letters before a call that vanishes
        // spell a name): no read text rather than a wrong one.
        {"cosin()s(30)", "0.8660254037919", "", ""},
        {"x" + std::string(200, '1'), std::string(200, '1'), "x",
         "evaluated as " + std::string(60, '1') + "…" + std::string(60, '1') + "\nignored: x" + why},
    };
    // clang-format on
    const WorkingWords english = WorkingWords::Translated(&English);
    for (const auto& c : cases) {
        const Evaluation e = EvaluateWithReason(c.input);
        EXPECT_EQ(e.text, c.text) << c.input;
        EXPECT_EQ(e.ignored, c.ignored) << c.input;
        EXPECT_EQ(ExpressionWorking(c.input, e, english), c.working) << c.input;
    }
    EXPECT_LE(EvaluateWithReason(std::string(5000, 'x') + "1").ignored.size(), 43u);
}

TEST(Reasons, AnglesSayWhyTheyAreEmpty)
{
    // clang-format off
    const struct {
        AngleText (*function)(std::string_view, std::string_view);
        const char* a;
        const char* b;
        Reason reason;
    } cases[] = {
        {ArcSineText, "2", "1", Reason::RatioOutOfRange},  {ArcSineText, "1", "0", Reason::RatioOutOfRange},
        {ArcSineText, "", "", Reason::NoRatio},            {ArcCosineText, "0", "0", Reason::NoRatio},
        {ArcCosineText, "-2", "1", Reason::RatioOutOfRange}, {ArcTangentText, "", "", Reason::NoRatio},
        {ArcTangentText, "1", "", Reason::None},           {ArcSineText, "1", "2", Reason::None},
    };
    // clang-format on
    for (const auto& c : cases) {
        const AngleText angle = c.function(c.a, c.b);
        EXPECT_EQ(angle.reason, c.reason) << c.a << " / " << c.b;
        EXPECT_EQ(angle.text.empty(), c.reason != Reason::None) << c.a << " / " << c.b;
    }
}

TEST(Reasons, SolverSaysWhyASideIsEmpty)
{
    EXPECT_EQ(SolveSides("", "1", "", "").reason, Reason::AngleRequired);
    EXPECT_EQ(SolveSides("30", "", "", "").reason, Reason::NoKnownSide);
    const SideLengths no_trig = SolveSides("0.5/0", "1", "", "");
    EXPECT_EQ(no_trig.adjacent_reason, Reason::AngleWithoutValue);
    EXPECT_EQ(no_trig.hypotenuse_reason, Reason::AngleWithoutValue);
    EXPECT_EQ(no_trig.opposite_reason, Reason::None);
    const SideLengths zero = SolveSides("5-5", "1", "", "");
    EXPECT_EQ(zero.adjacent_reason, Reason::SideOverflow);
    const SideLengths huge = SolveSides("89", "", "1e308", "");
    EXPECT_EQ(huge.opposite_reason, Reason::SideOverflow);
    EXPECT_EQ(huge.hypotenuse_reason, Reason::SideOverflow);
    EXPECT_EQ(SolveSides("30", "1", "", "").reason, Reason::None);
}

// msgid -> msgstr of the one-line entries of a .po file.
std::map<std::string, std::string> Translations(const std::string& path)
{
    std::ifstream in(path);
    std::map<std::string, std::string> entries;
    std::string line;
    std::string id;
    const auto quoted = [](const std::string& l, size_t from) {
        return l.substr(from + 1, l.size() - from - 2);
    };
    while (std::getline(in, line)) {
        if (line.rfind("msgid \"", 0) == 0)
            id = quoted(line, 6);
        else if (line.rfind("msgstr \"", 0) == 0 && !id.empty())
            entries[id] = quoted(line, 7);
    }
    return entries;
}

// Every reason has its own wording, and the command line's catalogue says it as the window does.
TEST(Reasons, OneWordingEachInBothLanguages)
{
    const std::map<std::string, std::string> po = Translations(ANGLARIX_PO_FILE);
    ASSERT_FALSE(po.empty());
    std::set<std::string> english;
    std::set<std::string> chinese;
    for (int r = int(Reason::EmptyExpression); r <= int(Reason::SideOverflow); ++r) {
        const ReasonWording w = WordingOf(Reason(r));
        ASSERT_NE(std::string(w.english), "") << r;
        EXPECT_TRUE(english.insert(w.english).second) << w.english;
        EXPECT_TRUE(chinese.insert(w.chinese).second) << w.chinese;
        const auto entry = po.find(w.english);
        ASSERT_NE(entry, po.end()) << w.english;
        EXPECT_EQ(entry->second, w.chinese) << w.english;
    }
    // The workings' words too, in the window's words and the catalogue's.
    const WorkingWords chinese_words = WorkingWords::Chinese();
    for (int w = 0; w < int(WorkingWord::Count); ++w) {
        const ReasonWording wording = WordingOf(WorkingWord(w));
        EXPECT_TRUE(english.insert(wording.english).second) << wording.english;
        EXPECT_STREQ(chinese_words[WorkingWord(w)], wording.chinese);
        const auto entry = po.find(wording.english);
        ASSERT_NE(entry, po.end()) << wording.english;
        EXPECT_EQ(entry->second, wording.chinese) << wording.english;
    }
}

}  // namespace
