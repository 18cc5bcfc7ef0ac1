#pragma once
// The expression engine with its working buffers: EvaluateExpression, ResolveParentheses and
// ReduceOperators of one object reuse the same storage from call to call, so that evaluating
// many expressions (the command-line tool reads them by the hundred thousand) allocates only
// while a buffer still grows. One object serves one thread; the free functions in
// EvaluateExpression.h use one per thread.
#include <string>
#include <string_view>
#include <vector>

#include "calc/EvaluateExpression.h"
#include "calc/ParenthesisResolver.h"

class ExpressionEngine {
public:
    std::string Evaluate(std::string_view expression, AngleUnit unit = AngleUnit::Degrees);
    std::string Resolve(std::string_view expression);
    std::string Reduce(std::string_view expression);

private:
    enum class Function { Sine, Cosine, Tangent, Cotangent };
    struct Call {
        size_t start;  // where the call's argument begins in m_expanded
        size_t depth;  // parenthesis depth outside the call's "("
        Function function;
    };

    void Normalize(std::string_view expression);
    bool Expand(AngleUnit unit);
    bool MatchCall(size_t i, Function& function, size_t& name_length) const;
    bool CloseCall(const Call& call, AngleUnit unit);

    std::string m_normalized;
    std::string m_expanded;
    std::string m_value;
    std::vector<Call> m_calls;
    ParenthesisResolver m_resolver;
    OperatorReducer m_reducer;
};
