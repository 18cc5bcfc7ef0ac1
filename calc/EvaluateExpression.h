#pragma once
// The expression engine: texts in, texts out, GBK bytes. Failure is the empty text.
//
//   EvaluateExpression("sin(30)")     -> "0.499999999987"   (degrees, pi taken as 3.1415926535)
//   EvaluateExpression("2*tg(45)+1")  -> "2.99999999991"
//   EvaluateExpression("007")         -> "007"              (no operator: not reformatted)
//   EvaluateExpression("1/0")         -> ""
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calc/Reasons.h"
#include "calc/ReduceOperators.h"
#include "calc/ResolveParentheses.h"

enum class AngleUnit { Degrees, Radians };

// Maps full-width forms to ASCII, expands every call of sin(, cos(, tg( and ctg( from the
// innermost out (each call's argument runs to the ")" matching its "(", or to the end of the
// text when there is none; an empty argument makes the call vanish), then resolves the rest
// with ResolveParentheses. A call whose argument fails, or whose value is not finite, fails
// the whole evaluation.
std::string EvaluateExpression(std::string_view expression, AngleUnit unit = AngleUnit::Degrees);

// The same evaluation with why its text is empty and what the filter passed over.
//   "1/0"     -> {"", DivisionByZero, ""}      "Sin(30)" -> {"30", None, "Sin"}
//   "1+(0-8)^(1/3)" -> {"", NoRealPower, ""}   ""        -> {"", EmptyExpression, ""}
struct Evaluation {
    std::string text;              // exactly what EvaluateExpression gives
    Reason reason = Reason::None;  // why text is empty
    std::string ignored;           // GBK: the characters passed over (white space aside)
};
Evaluation EvaluateWithReason(std::string_view expression, AngleUnit unit = AngleUnit::Degrees);

// How evaluation, the value of expression (GBK), came about, in UTF-8: the text the engine
// read, when the typed one was changed to get it (characters passed over, × ÷ 。 and
// full-width forms read as ASCII; white space aside), then what it passed over. Empty for an
// empty result, which has its reason, and for a text read as typed. The read text is given
// only when it evaluates (in degrees) to the same value, and without the middle of a long one.
//   "1 apple + 2 pears" -> "按 1+2 计算\n已忽略：apple pears（只认 …）"
//   "３×２"              -> "按 3*2 计算"
std::string ExpressionWorking(std::string_view expression, const Evaluation& evaluation,
                              const WorkingWords& words);

// The first stage of EvaluateExpression: every call of sin(, cos(, tg( and ctg( in a text is
// replaced by the text of its value, innermost first.
//
// One left-to-right walk copies the text, leaving out each call name and its closing ")". A
// call is evaluated when its ")" arrives, or at the end of the text when it has none; by then
// each call inside it has been replaced by its value. The result is the one that expanding the
// rightmost call name first, again and again, gives, including what happens when a call with
// an empty argument vanishes and joins the letters before it to the "(" after it ("co" +
// "sin()" + "s(30)" is a call of cos). Parentheses are matched by counting, never by
// recursion, so nesting costs no stack.
class CallExpander {
public:
    // Expands the calls of text (full-width forms already made ASCII) into out, arguments
    // resolved with resolver. False when a call's argument has no value or its function value
    // is not finite, or when the text is too long for positions of 32 bits.
    bool Expand(std::string_view text, AngleUnit unit, ParenthesisResolver& resolver, std::string& out);
    // Where the calls' values stand in the last expansion's text.
    const std::vector<ValueSpan>& Values() const { return m_values; }
    // Why the last expansion failed.
    Reason Failure() const { return m_failure; }

    // A function a call may name, one row of the engine's table.
    struct Function;
    // The function whose call name starts at text[i], a character start, with `before` the
    // byte before it; null when none does.
    static const Function* MatchName(std::string_view text, size_t i, char before);

private:
    struct Call {
        size_t start;  // where the call's argument begins in the output
        size_t depth;  // parenthesis depth outside the call's "("
        const Function* function;
    };

    void ReserveFor(std::string_view text);
    bool Start(std::string_view text, AngleUnit unit, ParenthesisResolver& resolver, std::string& out);
    void WalkPending(std::string_view text, size_t& i, size_t& depth);
    bool CloseInnermost(std::string_view text, size_t after);
    void Open(const Function& function, size_t& depth);
    bool Close(const Call& call);
    char ByteBeforePending() const;
    void TakeBackLetters();

    std::string* m_out = nullptr;
    AngleUnit m_unit = AngleUnit::Degrees;
    ParenthesisResolver* m_resolver = nullptr;
    std::vector<Call> m_calls;
    std::vector<ValueSpan> m_values;
    std::vector<ValueSpan> m_argument_values;
    Reason m_failure = Reason::None;
    std::string m_pending;    // letters taken back from the output, walked again before the text
    std::string m_lookahead;  // the pending letters and the next bytes of the text
    std::string m_value;
    size_t m_last_trail = std::string::npos;  // output position of the last two-byte character's second byte
};

// EvaluateExpression with its working buffers, reused from call to call, so that evaluating
// many expressions (the command-line tool reads them by the hundred thousand) allocates only
// while a buffer still grows. One object serves one thread; the free function uses one per
// thread, as ReduceOperators and ResolveParentheses keep one stage object per thread.
//
// Its working memory stays within a few times the text: about 6 times at most for a text that
// expands to nearly three times its length ("tg(1)+tg(1)+…"). After a text of more than
// kKeptWorkingBytes it is given back, so that one long text does not hold memory for good.
class ExpressionEngine {
public:
    // The longest text taken; a longer one fails as too long. Positions are 32 bits, and in a
    // 32-bit address space (the page) the working memory must fit beside everything else.
    static constexpr size_t kLongestExpression = sizeof(void*) >= 8 ? UINT32_MAX - 1 : size_t(64) << 20;
    static constexpr size_t kKeptWorkingBytes = size_t(1) << 20;

    // longest: a lower limit than kLongestExpression, for tests.
    explicit ExpressionEngine(size_t longest = kLongestExpression) : m_longest(longest) {}

    std::string Evaluate(std::string_view expression, AngleUnit unit = AngleUnit::Degrees);
    Evaluation EvaluateWithReason(std::string_view expression, AngleUnit unit = AngleUnit::Degrees);

private:
    bool Run(std::string_view expression, AngleUnit unit);
    void ReleaseAfter(std::string_view expression);
    std::string_view Normalize(std::string_view expression);

    std::string m_normalized;
    std::string m_expanded;
    std::string m_value;
    CallExpander m_expander;
    ParenthesisResolver m_resolver;
    Reason m_reason = Reason::None;
    size_t m_longest = kLongestExpression;
};
