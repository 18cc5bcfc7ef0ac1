// EvaluateExpression: full-width forms made ASCII, trigonometric calls expanded, the rest
// resolved; and the free functions of the three engine stages.
#include "calc/ExpressionEngine.h"

#include "calc/EngineBytes.h"
#include "calc/ReduceOperators.h"
#include "calc/ResolveParentheses.h"
#include "values/NumberText.h"

namespace {

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

std::string ExpressionEngine::Evaluate(std::string_view expression, AngleUnit unit)
{
    Normalize(expression);
    if (!m_expander.Expand(m_normalized, unit, m_resolver, m_expanded) ||
        !m_resolver.Resolve(m_expanded, m_value))
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

// Full-width forms to ASCII as the text-to-number reading does it, so that "３０+1" and
// "ｓｉｎ（３０）" mean what they show. Pairs are taken from the start of the text; a lead byte
// at the very end is dropped.
void ExpressionEngine::Normalize(std::string_view expression)
{
    m_normalized.clear();
    ForEachNormalizedByte(expression, [this](char c) { m_normalized.push_back(c); });
}
