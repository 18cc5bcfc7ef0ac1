#pragma once
// Why a computation gives the empty text, reported beside its result, which stays exactly as
// it is. One wording per reason: English for the command line (its message catalogue turns
// it into Chinese) and Chinese for the window's tips, both UTF-8.
//   EvaluateWithReason("1/0")  -> {"", Reason::DivisionByZero}
//   ArcSineText("2", "1")      -> {"", Reason::RatioOutOfRange}
#include <array>
#include <cstddef>
#include <cstdint>

enum class Reason : uint8_t {
    None,
    EmptyExpression,    // nothing typed
    NothingToEvaluate,  // nothing is left once the characters the engine ignores are gone
    EmptyGroup,         // "()"
    DivisionByZero,     // a divisor within 1e-7 of 0, ctg(0) included
    Overflow,           // a value too large to hold
    NoRealPower,        // a power without a real value: (0-8)^(1/3)
    NotOneNumber,       // the result does not read as one number: sin(30)sin(30), 1..2
    RatioOutOfRange,    // arcsine or arccosine of a ratio outside -1..1
    NoRatio,            // both sides 0 or empty
    AngleRequired,      // the solver has no angle
    AngleWithoutValue,  // the solver's angle cannot be evaluated
    NoKnownSide,        // the solver has no side above 0
    SideOverflow,       // a computed side is too large
    TooLong,            // a text longer than the engine takes
};

struct ReasonWording {
    const char* english;
    const char* chinese;
};

ReasonWording WordingOf(Reason reason);

// The words a working is written in, worded as the reasons are: the English is the command
// line's message id, the Chinese the window's. Ignored and Evaluated take the text as "%s".
enum class WorkingWord : uint8_t {
    Opposite,
    Adjacent,
    Hypotenuse,
    Copied,     // the known side's working
    Pi,         // the line where a sine, cosine or tangent was taken in degrees
    Evaluated,  // the text an expression's engine read, when it is not what was typed
    Ignored,    // what that engine passed over, and what it reads instead
    Count,
};

ReasonWording WordingOf(WorkingWord word);

// The working words in one language, UTF-8.
class WorkingWords {
public:
    static WorkingWords Chinese();
    // The English through translate: the command line's message catalogue.
    static WorkingWords Translated(const char* (*translate)(const char* english));

    const char* operator[](WorkingWord word) const { return m_words[size_t(word)]; }

private:
    std::array<const char*, size_t(WorkingWord::Count)> m_words{};
};
