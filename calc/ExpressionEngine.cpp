// EvaluateExpression: full-width forms made ASCII, trigonometric calls expanded, the rest
// resolved; and the free functions of the three engine stages.
#include "calc/ExpressionEngine.h"

#include <cmath>

#include "calc/EngineBytes.h"
#include "calc/ReduceOperators.h"
#include "calc/ResolveParentheses.h"
#include "values/Commands.h"
#include "values/Constants.h"
#include "values/NumberText.h"
#include "values/RuntimeError.h"

namespace {

ExpressionEngine& ThreadEngine()
{
    thread_local ExpressionEngine engine;
    return engine;
}

double CallMath(CommandFn command, double u)
{
    const TypedValue argument = TypedValue::Double(u);
    return CallCommand(command, 1, &argument).AsDouble();
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
    if (!Expand(unit) || !m_resolver.Resolve(m_expanded, m_value))
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
    expression = engine::UpToNul(expression);
    m_normalized.clear();
    for (size_t i = 0; i < expression.size(); ++i) {
        const auto c = static_cast<unsigned char>(expression[i]);
        if (c < 0x80) {
            m_normalized.push_back(char(c));
            continue;
        }
        if (i + 1 >= expression.size())
            break;
        const auto second = static_cast<unsigned char>(expression[++i]);
        if (const std::optional<char> ascii = FullWidthToAscii(c, second)) {
            m_normalized.push_back(*ascii);
        } else {
            m_normalized.push_back(char(c));
            m_normalized.push_back(char(second));
        }
    }
}

// Whether a call name starts at byte i (a character start): "sin(", "cos(", "ctg(" or "tg(";
// a "tg(" right after a "c" is the tail of a "ctg(" that is not a call of its own.
bool ExpressionEngine::MatchCall(size_t i, Function& function, size_t& name_length) const
{
    static const struct {
        const char* const* name;
        Function function;
    } rows[] = {
        {&SineCall, Function::Sine},
        {&CosineCall, Function::Cosine},
        {&TangentCall, Function::Tangent},
        {&CotangentCall, Function::Cotangent},
    };
    const std::string_view rest = std::string_view(m_normalized).substr(i);
    for (const auto& row : rows) {
        const std::string_view name(*row.name);
        if (!rest.starts_with(name))
            continue;
        if (row.function == Function::Tangent && i > 0 && m_normalized[i - 1] == 'c')
            return false;
        function = row.function;
        name_length = name.size();
        return true;
    }
    return false;
}

// One left-to-right walk copies the text into m_expanded, leaving out each call name and its
// closing ")". A call is evaluated when its ")" arrives (or at the end of the text), by then
// every call inside it has been replaced by its value: innermost first, whatever the names.
// Parentheses are matched by depth, never by recursion, so nesting costs no stack.
bool ExpressionEngine::Expand(AngleUnit unit)
{
    m_expanded.clear();
    m_calls.clear();
    size_t depth = 0;
    const std::string_view text(m_normalized);
    for (size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (static_cast<unsigned char>(c) >= 0x80) {
            // A two-byte character: never the start of a name, never a parenthesis.
            m_expanded.append(text.substr(i, 2));
            i += 2;
            continue;
        }
        Function function;
        size_t name_length = 0;
        if (MatchCall(i, function, name_length)) {
            m_calls.push_back({m_expanded.size(), depth, function});
            ++depth;
            i += name_length;
            continue;
        }
        ++i;
        if (c == '(') {
            ++depth;
        } else if (c == ')' && depth > 0) {
            --depth;
            if (!m_calls.empty() && m_calls.back().depth == depth) {
                const Call call = m_calls.back();
                m_calls.pop_back();
                if (!CloseCall(call, unit))
                    return false;
                continue;
            }
        }
        m_expanded.push_back(c);
    }
    // Calls still open take the rest of the text, the innermost first.
    while (!m_calls.empty()) {
        const Call call = m_calls.back();
        m_calls.pop_back();
        if (!CloseCall(call, unit))
            return false;
    }
    return true;
}

// Replaces the call's argument (the end of m_expanded) by the text of the function's value.
bool ExpressionEngine::CloseCall(const Call& call, AngleUnit unit)
{
    const std::string_view argument = std::string_view(m_expanded).substr(call.start);
    if (argument.empty())
        return true;  // "sin()" vanishes
    if (!m_resolver.Resolve(argument, m_value) || m_value.empty())
        return false;
    const double x = TextToNumber(m_value);
    // Degrees to radians in two roundings, multiplying first.
    const double u = unit == AngleUnit::Degrees ? x * PiApprox / DegreesPerHalfTurn : x;
    double value = 0.0;
    switch (call.function) {
    case Function::Sine: value = CallMath(Sine, u); break;
    case Function::Cosine: value = CallMath(Cosine, u); break;
    case Function::Tangent: value = CallMath(Tangent, u); break;
    case Function::Cotangent: value = 1.0 / CallMath(Tangent, u); break;
    default: RaiseRuntimeError(9);  // a function beyond the table
    }
    if (!std::isfinite(value))
        return false;
    m_expanded.resize(call.start);
    engine::AppendNumberText(m_expanded, value);
    return true;
}
