#pragma once
// The expression engine with its working buffers: EvaluateExpression, ResolveParentheses and
// ReduceOperators of one object reuse the same storage from call to call, so that evaluating
// many expressions (the command-line tool reads them by the hundred thousand) allocates only
// while a buffer still grows. One object serves one thread; the free functions in
// EvaluateExpression.h use one per thread.
#include <string>
#include <string_view>

#include "calc/CallExpander.h"
#include "calc/EvaluateExpression.h"
#include "calc/ParenthesisResolver.h"

class ExpressionEngine {
public:
    std::string Evaluate(std::string_view expression, AngleUnit unit = AngleUnit::Degrees);
    std::string Resolve(std::string_view expression);
    std::string Reduce(std::string_view expression);

private:
    std::string_view Normalize(std::string_view expression);

    std::string m_normalized;
    std::string m_expanded;
    std::string m_value;
    CallExpander m_expander;
    ParenthesisResolver m_resolver;
    OperatorReducer m_reducer;
};
