// EvaluateExpression: × ÷ 。 and full-width forms made ASCII, trigonometric calls expanded,
// the rest resolved, and the result taken only when it is one number.
#include "calc/EvaluateExpression.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "calc/EngineBytes.h"
#include "values/Commands.h"
#include "values/Constants.h"
#include "values/Gbk.h"
#include "values/Number.h"
#include "values/NumberText.h"

// One row per function a call may name: all the engine knows of it, read by every place
// that looks for names, computes values or says why one failed.
struct CallExpander::Function {
    const char* const* name;  // in the constants block, its "(" included
    double (*value)(double radians);
    Reason failure;   // why a value that is not finite fails when the argument is finite
    char tail_after;  // after this byte the name is the end of a longer one ("tg(" after "c"); 0: none
    bool searched;    // false: a search for a shorter name finds its calls ("ctg(" by "tg(")
    std::string_view Name() const { return *name; }
};

namespace {

// clang-format off
constexpr CallExpander::Function kFunctions[] = {
    {&SineCall,      [](double u) { return CallMath(Sine, u); },          Reason::Overflow,       0,   true},
    {&CosineCall,    [](double u) { return CallMath(Cosine, u); },        Reason::Overflow,       0,   true},
    {&TangentCall,   [](double u) { return CallMath(Tangent, u); },       Reason::Overflow,       'c', true},
    // Only the cotangent divides: at a tangent of 0.
    {&CotangentCall, [](double u) { return 1.0 / CallMath(Tangent, u); }, Reason::DivisionByZero, 0,   false},
};
// clang-format on

// The most letters a name has before its "(".
size_t LongestNameLetters()
{
    static const size_t letters = [] {
        size_t longest = 0;
        for (const CallExpander::Function& function : kFunctions)
            longest = std::max(longest, function.Name().size() - 1);
        return longest;
    }();
    return letters;
}

bool HoldsCallName(std::string_view text)
{
    return std::any_of(std::begin(kFunctions), std::end(kFunctions),
                       [&](const CallExpander::Function& function) {
                           return function.searched && text.find(function.Name()) != std::string_view::npos;
                       });
}

bool IsNameLetter(char c) { return c >= 'a' && c <= 'z'; }

// Whether text reads as one number in full: an optional sign, digits with at most one point,
// an optional exponent. "0.5", "-2", "007", "2e3" are; "1..2", "0.50.5", "3\\", "." are not.
bool IsOneNumber(std::string_view text)
{
    size_t i = 0;
    size_t digits = 0;
    const auto skip_digits = [&] {
        const size_t from = i;
        while (i < text.size() && engine::IsDigit(text[i]))
            ++i;
        return i - from;
    };
    if (i < text.size() && engine::IsSign(text[i]))
        ++i;
    digits += skip_digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        digits += skip_digits();
    }
    if (digits == 0)
        return false;
    if (i < text.size() && engine::IsExponentLetter(text[i])) {
        ++i;
        if (i < text.size() && engine::IsSign(text[i]))
            ++i;
        if (skip_digits() == 0)
            return false;
    }
    return i == text.size();
}

ExpressionEngine& ThreadEngine()
{
    thread_local ExpressionEngine engine;
    return engine;
}

// A working shows this much of a read text at most, its two ends around "…".
constexpr size_t kReadTextShown = 120;

// What the engine reads of a text already made ASCII where it can be: the call names, the
// parentheses and the bytes the filter keeps; changed becomes true when anything but white
// space is passed over. Letters that spell a name only once a call between them vanishes are
// passed over here, so the caller holds the text to the value the engine gave.
std::string ReadText(std::string_view text, bool& changed)
{
    std::string read;
    for (size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (static_cast<unsigned char>(c) >= 0x80) {
            changed = true;
            i += 2;
        } else if (const auto* function = CallExpander::MatchName(text, i, i > 0 ? text[i - 1] : '\0')) {
            read.append(function->Name());
            i += function->Name().size();
        } else {
            const char before = read.empty() ? '\0' : read.back();
            const std::string_view after = text.substr(i + 1);
            const bool exponent = engine::IsExponentLetter(c) &&
                                  (engine::IsDigit(before) || before == '.' || before == ')') &&
                                  ((!after.empty() && engine::IsDigit(after[0])) ||
                                   (after.size() >= 2 && engine::IsSign(after[0]) && engine::IsDigit(after[1])));
            if (engine::IsKeptByte(c) || c == '(' || c == ')' || exponent)
                read.push_back(c);
            else if (c != ' ' && (c < '\t' || c > '\r'))
                changed = true;
            ++i;
        }
    }
    return read;
}

// The wording with its one "%s" replaced by text.
std::string Worded(const char* wording, std::string_view text)
{
    const std::string_view words(wording);
    const size_t at = words.find("%s");
    if (at == std::string_view::npos)
        return std::string(words);
    return std::string(words.substr(0, at)).append(text).append(words.substr(at + 2));
}

}  // namespace

// Whether a call name starts at text[i], which is a character start; a name that ends a
// longer one is no call of its own after that one's byte before it: a "tg(" after a "c" is
// the tail of "ctg(", even when that "c" is the second byte of a two-byte character.
const CallExpander::Function* CallExpander::MatchName(std::string_view text, size_t i, char before)
{
    const std::string_view rest = text.substr(i);
    for (const Function& function : kFunctions) {
        if (!rest.starts_with(function.Name()))
            continue;
        return function.tail_after != 0 && before == function.tail_after ? nullptr : &function;
    }
    return nullptr;
}

// text = { byte | name "(" argument [")"] -> ToText(f(argument)) }, innermost call first
bool CallExpander::Expand(std::string_view text, AngleUnit unit, ParenthesisResolver& resolver, std::string& out)
{
    if (!Start(text, unit, resolver, out))
        return false;
    size_t depth = 0;
    size_t i = 0;
    for (;;) {
        if (!m_pending.empty()) {
            WalkPending(text, i, depth);
            continue;
        }
        if (i >= text.size())
            break;
        const char c = text[i];
        if (static_cast<unsigned char>(c) >= 0x80) {
            // A two-byte character: never the start of a name, never a parenthesis.
            out.append(text.substr(i, 2));
            m_last_trail = out.size() - 1;
            i += 2;
            continue;
        }
        if (const Function* function = MatchName(text, i, i > 0 ? text[i - 1] : '\0')) {
            i += function->Name().size();
            Open(*function, depth);
            continue;
        }
        ++i;
        if (c == '(') {
            ++depth;
        } else if (c == ')' && depth > 0) {
            --depth;
            if (!m_calls.empty() && m_calls.back().depth == depth) {
                if (!CloseInnermost(text, i))
                    return false;
                continue;
            }
        }
        out.push_back(c);
    }
    // Calls still open take the rest of the text, the innermost first.
    while (!m_calls.empty()) {
        const Call call = m_calls.back();
        m_calls.pop_back();
        if (!Close(call))
            return false;
    }
    return true;
}

// Clears the last expansion's state; false when text is too long for positions of 32 bits.
bool CallExpander::Start(std::string_view text, AngleUnit unit, ParenthesisResolver& resolver, std::string& out)
{
    m_out = &out;
    m_unit = unit;
    m_resolver = &resolver;
    out.clear();
    m_calls.clear();
    m_values.clear();
    m_failure = Reason::TooLong;
    if (text.size() >= UINT32_MAX)
        return false;
    m_failure = Reason::None;
    ReserveFor(text);
    m_pending.clear();
    m_last_trail = std::string::npos;
    return true;
}

// The first pending letter, with the ones after it and the text at i, either starts a name,
// whose call opens, or goes to the output.
void CallExpander::WalkPending(std::string_view text, size_t& i, size_t& depth)
{
    m_lookahead.assign(m_pending);
    m_lookahead.append(text.substr(i, LongestNameLetters() + 1));
    if (const Function* function = MatchName(m_lookahead, 0, ByteBeforePending())) {
        // Every name ends with its "(", which comes from the text.
        i += function->Name().size() - m_pending.size();
        m_pending.clear();
        Open(*function, depth);
    } else {
        m_out->push_back(m_pending.front());
        m_pending.erase(0, 1);
    }
}

// The ")" before text[after] closes the innermost call.
bool CallExpander::CloseInnermost(std::string_view text, size_t after)
{
    const Call call = m_calls.back();
    m_calls.pop_back();
    const bool vanishes = m_out->size() == call.start;
    if (!Close(call))
        return false;
    // A call right after this one is expanded before this one vanishes, so only without one
    // can the letters before it join what follows into a new name.
    if (vanishes && !MatchName(text, after, ')'))
        TakeBackLetters();
    return true;
}

// A long text reserves its output for the values of the calls its names start, each as long
// as a value's text may be, and their places, so that neither is copied as it grows; the
// calls that a vanishing call's letters make are too few to count. Only the calls open at
// once are kept, so they are left to grow: reserved, they took most of a page's memory.
void CallExpander::ReserveFor(std::string_view text)
{
    if (text.size() < 4096)
        return;
    size_t names = 0;
    for (const Function& function : kFunctions) {
        if (!function.searched)
            continue;
        const std::string_view name = function.Name();
        for (size_t at = text.find(name); at != std::string_view::npos; at = text.find(name, at + 1))
            ++names;
    }
    m_out->reserve(text.size() + names * kLongestDoubleText);
    m_values.reserve(names);
}

void CallExpander::Open(const Function& function, size_t& depth)
{
    m_calls.push_back({m_out->size(), depth, &function});
    ++depth;
}

// call = name "(" argument ")" -> ToText(f(degrees to radians(ResolveParentheses(argument))))
// Replaces the call's argument (the end of the output) by the text of the function's value;
// an empty argument makes the call vanish.
bool CallExpander::Close(const Call& call)
{
    std::string& out = *m_out;
    const std::string_view argument = std::string_view(out).substr(call.start);
    if (argument.empty())
        return true;
    const auto inner = std::lower_bound(m_values.begin(), m_values.end(), call.start,
                                        [](const ValueSpan& v, size_t s) { return v.start < s; });
    m_argument_values.clear();
    for (auto v = inner; v != m_values.end(); ++v)
        m_argument_values.push_back({uint32_t(v->start - call.start), uint32_t(v->end - call.start)});
    if (!m_resolver->Resolve(argument, m_value, m_argument_values)) {
        m_failure = m_resolver->Failure();
        return false;
    }
    const double x = TextToNumber(m_value);
    // Degrees to radians in two roundings, multiplying first.
    const double u = m_unit == AngleUnit::Degrees ? x * PiApprox / DegreesPerHalfTurn : x;
    const double value = call.function->value(u);
    if (!std::isfinite(value)) {
        // Every function fails on an argument too large; on a finite one, as its row says.
        m_failure = std::isfinite(u) ? call.function->failure : Reason::Overflow;
        return false;
    }
    out.resize(call.start);
    m_values.erase(inner, m_values.end());
    // The value's digits now end the output: no letter before them is ever taken back.
    if (m_last_trail != std::string::npos && m_last_trail >= call.start)
        m_last_trail = std::string::npos;
    engine::AppendNumberText(out, value);
    m_values.push_back({uint32_t(call.start), uint32_t(out.size())});
    return true;
}

// The byte before the next pending letter in the working text: the "(" of an open call whose
// argument is still empty, or the last byte of the output.
char CallExpander::ByteBeforePending() const
{
    if (!m_calls.empty() && m_calls.back().start == m_out->size())
        return '(';
    return m_out->empty() ? '\0' : m_out->back();
}

// After a call vanished: the letters right before it (single-byte characters inside the
// current argument) are walked again, since with what follows they may spell a name.
void CallExpander::TakeBackLetters()
{
    std::string& out = *m_out;
    const size_t floor = m_calls.empty() ? 0 : m_calls.back().start;
    size_t count = 0;
    while (count < LongestNameLetters() && out.size() - count > floor) {
        const size_t position = out.size() - count - 1;
        if (position == m_last_trail || !IsNameLetter(out[position]))
            break;
        ++count;
    }
    m_pending.assign(out, out.size() - count, count);
    out.resize(out.size() - count);
}


std::string EvaluateExpression(std::string_view expression, AngleUnit unit)
{
    return ThreadEngine().Evaluate(expression, unit);
}

Evaluation EvaluateWithReason(std::string_view expression, AngleUnit unit)
{
    return ThreadEngine().EvaluateWithReason(expression, unit);
}

std::string ExpressionWorking(std::string_view expression, const Evaluation& evaluation,
                              const WorkingWords& words)
{
    if (evaluation.text.empty())
        return {};
    std::string working;
    // Past the length the engine keeps its memory for, a second evaluation would double the
    // click's time for a note that shows the text's two ends.
    const std::string_view typed = engine::UpToNul(expression);
    if (typed.size() <= ExpressionEngine::kKeptWorkingBytes) {
        // A full-width space is white space still.
        bool changed = false;
        std::string ascii;
        ForEachMappedByte(
            typed,
            [&changed](unsigned char first, unsigned char second) {
                const std::optional<char> mapped = engine::InputFormToAscii(first, second);
                changed = changed || (mapped && *mapped != ' ');
                return mapped;
            },
            [&ascii](char c) { ascii.push_back(c); });
        std::string read = ReadText(ascii, changed);
        if (changed && EvaluateExpression(read) == evaluation.text) {
            if (read.size() > kReadTextShown)
                read = read.substr(0, kReadTextShown / 2) + "…" + read.substr(read.size() - kReadTextShown / 2);
            working = Worded(words[WorkingWord::Evaluated], read);
        }
    }
    if (!evaluation.ignored.empty()) {
        if (!working.empty())
            working += '\n';
        working += Worded(words[WorkingWord::Ignored], GbkToUtf8(evaluation.ignored));
    }
    return working;
}

std::string ExpressionEngine::Evaluate(std::string_view expression, AngleUnit unit)
{
    std::string value = Run(expression, unit) ? m_value : std::string();
    ReleaseAfter(expression);
    return value;
}

Evaluation ExpressionEngine::EvaluateWithReason(std::string_view expression, AngleUnit unit)
{
    Evaluation evaluation;
    if (Run(expression, unit))
        evaluation.text = m_value;
    evaluation.reason = m_reason;
    evaluation.ignored = m_resolver.Ignored();
    ReleaseAfter(expression);
    return evaluation;
}

void ExpressionEngine::ReleaseAfter(std::string_view expression)
{
    if (expression.size() > kKeptWorkingBytes)
        *this = ExpressionEngine(m_longest);
}

// expression = map(× ÷ 。 full width) -> expand calls -> ResolveParentheses -> one number, or nothing
// A result must be one number: two values side by side ("sin(30)sin(30)") or a text with
// more points than a number has are no answer.
bool ExpressionEngine::Run(std::string_view expression, AngleUnit unit)
{
    m_resolver.ClearIgnored();
    m_reason = Reason::TooLong;
    if (expression.size() > m_longest)
        return false;
    std::string_view text = Normalize(expression);
    m_reason = Reason::EmptyExpression;
    if (std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }))
        return false;
    std::span<const ValueSpan> values;
    std::string* owner = nullptr;
    if (HoldsCallName(text)) {
        if (!m_expander.Expand(text, unit, m_resolver, m_expanded)) {
            m_reason = m_expander.Failure();
            return false;
        }
        text = m_expanded;
        values = m_expander.Values();
        owner = &m_expanded;
    }
    if (!m_resolver.Resolve(text, m_value, values, owner)) {
        m_reason = m_resolver.Failure();
        return false;
    }
    m_reason = IsOneNumber(m_value) ? Reason::None : Reason::NotOneNumber;
    return m_reason == Reason::None;
}

// × ÷ 。 and the full-width forms to ASCII, so that "３０+1", "6÷2" and "ｓｉｎ（３０）" mean what
// they show. Pairs are taken from the start of the text; a lead byte at the very end is
// dropped. An ASCII text is used as it stands.
std::string_view ExpressionEngine::Normalize(std::string_view expression)
{
    expression = engine::UpToNul(expression);
    const bool ascii = std::none_of(expression.begin(), expression.end(),
                                    [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    if (ascii)
        return expression;
    m_normalized.clear();
    ForEachMappedByte(expression, engine::InputFormToAscii, [this](char c) { m_normalized.push_back(c); });
    return m_normalized;
}
