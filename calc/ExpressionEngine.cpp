// EvaluateExpression: full-width forms made ASCII, trigonometric calls expanded, the rest
// resolved; and the free functions of the three engine stages.
#include "calc/ExpressionEngine.h"

#include <algorithm>

#include "calc/EngineBytes.h"
#include "calc/ReduceOperators.h"
#include "calc/ResolveParentheses.h"
#include "values/Constants.h"
#include "values/NumberText.h"

namespace {

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

bool HoldsCallName(std::string_view text)
{
    return text.find(SineCall) != std::string_view::npos || text.find(CosineCall) != std::string_view::npos ||
           text.find(TangentCall) != std::string_view::npos;  // "ctg(" holds "tg("
}

ExpressionEngine& ThreadEngine()
{
    thread_local ExpressionEngine engine;
    return engine;
}

}  // namespace

std::string EvaluateExpression(std::string_view expression, AngleUnit unit)
{
    return ThreadEngine().Evaluate(expression, unit);
}

std::string ResolveParentheses(std::string_view expression)
{
    return ThreadEngine().Resolve(expression);
}

std::string ReduceOperators(std::string_view expression)
{
    return ThreadEngine().Reduce(expression);
}

// A result must be one number: two values side by side ("sin(30)sin(30)") or a text with
// more points than a number has are no answer.
std::string ExpressionEngine::Evaluate(std::string_view expression, AngleUnit unit)
{
    std::string_view text = Normalize(expression);
    std::span<const ValueSpan> values;
    if (HoldsCallName(text)) {
        if (!m_expander.Expand(text, unit, m_resolver, m_expanded))
            return {};
        text = m_expanded;
        values = m_expander.Values();
    }
    if (!m_resolver.Resolve(text, m_value, values) || !IsOneNumber(m_value))
        return {};
    return m_value;
}

std::string ExpressionEngine::Resolve(std::string_view expression)
{
    if (!m_resolver.Resolve(expression, m_value))
        return {};
    return m_value;
}

std::string ExpressionEngine::Reduce(std::string_view expression)
{
    if (!m_reducer.Reduce(engine::UpToNul(expression), m_value))
        return {};
    return m_value;
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
