// ResolveParentheses: one left-to-right scan that filters the bytes and replaces each closed
// group by the value of its inner text.
#include "calc/ParenthesisResolver.h"

#include <algorithm>

#include "calc/EngineBytes.h"

using engine::IsDigit;
using engine::IsOperatorByte;
using engine::IsSign;

namespace {

// The bytes that pass the filter unconditionally: digits, the point, the operators and the
// backslash (which is carried along as neither an operator nor part of a number).
bool IsKeptByte(char c)
{
    switch (c) {
    case '*': case '+': case '-': case '.': case '/': case '\\': case '^':
        return true;
    default:
        return IsDigit(c);
    }
}

}  // namespace

bool ParenthesisResolver::Resolve(std::string_view expression, std::string& out)
{
    expression = engine::UpToNul(expression);
    out.clear();
    m_text.clear();
    m_groups.clear();
    m_operators.clear();
    for (size_t i = 0; i < expression.size(); ++i) {
        const char c = expression[i];
        if (c == '(') {
            m_groups.push_back(m_text.size());
        } else if (c == ')') {
            // An unmatched ")" is dropped.
            if (m_groups.empty())
                continue;
            const size_t start = m_groups.back();
            m_groups.pop_back();
            if (!ReduceFrom(start))
                return false;
        } else if (Keeps(expression, i)) {
            Append(c);
        }
    }
    // Unmatched "(" never entered the text.
    if (!ReduceFrom(0))
        return false;
    out = m_text;
    return true;
}

// The filter. An "e" or "E" stays when the byte before it (an open "(" counts) is a digit or a
// point and a digit, or a sign and a digit, follow it: the exponent of a written number.
bool ParenthesisResolver::Keeps(std::string_view expression, size_t i) const
{
    const char c = expression[i];
    if (IsKeptByte(c))
        return true;
    if (!engine::IsExponentLetter(c) || m_text.empty())
        return false;
    const bool after_open_group = !m_groups.empty() && m_groups.back() == m_text.size();
    const char before = m_text.back();
    if (after_open_group || !(IsDigit(before) || before == '.'))
        return false;
    const std::string_view after = expression.substr(i + 1);
    if (!after.empty() && IsDigit(after[0]))
        return true;
    return after.size() >= 2 && IsSign(after[0]) && IsDigit(after[1]);
}

void ParenthesisResolver::Append(char c)
{
    const size_t position = m_text.size();
    if (IsOperatorByte(c)) {
        m_operators.push_back(position);
    } else if (IsDigit(c) && position >= 3 &&
               engine::IsExponentSignBetween(m_text[position - 3], m_text[position - 2], c) &&
               IsSign(m_text[position - 1]) && !m_operators.empty() &&
               m_operators.back() == position - 1) {
        // The sign just kept belongs to an exponent.
        m_operators.pop_back();
    }
    m_text.push_back(c);
}

// Replaces m_text[start, end) by its reduction. Only the part through the number after the
// last operator is scanned; of the rest, which holds no operator, the reduction takes in only
// the bytes that a number read reaches (a result may join what follows it), and the remainder
// is not touched.
bool ParenthesisResolver::ReduceFrom(size_t start)
{
    if (start == m_text.size())
        return false;
    const auto first = std::lower_bound(m_operators.begin(), m_operators.end(), start);
    const size_t count = size_t(m_operators.end() - first);
    // No operator (a "-" in front is a sign): the text stays exactly as it is.
    if (count == 0 || (count == 1 && *first == start && m_text[start] == '-'))
        return true;
    const size_t last = m_operators.back();
    size_t used = 0;
    ReadDecimal(std::string_view(m_text).substr(last + 1), &used);
    const size_t end = std::min(m_text.size(), last + 1 + std::max<size_t>(used, 1));
    const std::string_view text(m_text);
    size_t tail_used = 0;
    if (!m_reducer.Reduce(text.substr(start, end - start), text.substr(end), m_reduced, tail_used))
        return false;
    m_text.replace(start, end - start + tail_used, m_reduced);
    m_operators.erase(first, m_operators.end());
    const std::string_view rewritten(m_text);
    for (size_t i = start; i < start + m_reduced.size(); ++i) {
        if (IsOperatorByte(rewritten[i]) && !engine::IsExponentSign(rewritten, i))
            m_operators.push_back(i);
    }
    return true;
}
