// ResolveParentheses: one left-to-right scan that filters the bytes and replaces each closed
// group by the value of its inner text.
#include "calc/ResolveParentheses.h"

#include <algorithm>
#include <cstring>

#include "calc/EngineBytes.h"

using engine::IsDigit;
using engine::IsKeptByte;
using engine::IsOperatorByte;
using engine::IsSign;

namespace {

// Room added when a result outgrows the gap; a quarter of the text keeps repeated growth linear.
constexpr size_t kGapHeadroom = 64;
// How much of the ignored characters is kept for a note.
constexpr size_t kIgnoredShown = 40;
// From this length on, a text's working memory is reserved from what it holds.
constexpr size_t kReserveFrom = 4096;

}  // namespace

std::string ResolveParentheses(std::string_view expression)
{
    thread_local ParenthesisResolver resolver;
    std::string out;
    resolver.ClearIgnored();
    if (!resolver.Resolve(expression, out))
        return {};
    return out;
}

void GapText::Clear()
{
    m_buffer.clear();
    m_left = 0;
    m_right = 0;
}

void GapText::MoveGapTo(size_t position)
{
    if (position < m_left) {
        const size_t count = m_left - position;
        m_right -= count;
        std::memmove(m_buffer.data() + m_right, m_buffer.data() + position, count);
        m_left = position;
    } else if (position > m_left) {
        const size_t count = position - m_left;
        std::memmove(m_buffer.data() + m_left, m_buffer.data() + m_right, count);
        m_left += count;
        m_right += count;
    }
}

void GapText::ReplaceAtGap(size_t from, size_t after, std::string_view text)
{
    m_right += after;
    m_left = from;
    if (m_right - m_left < text.size()) {
        const size_t grow = std::max(text.size() - (m_right - m_left) + kGapHeadroom, m_buffer.size() / 4);
        m_buffer.insert(m_right, grow, '\0');
        m_right += grow;
    }
    std::memcpy(m_buffer.data() + m_left, text.data(), text.size());
    m_left += text.size();
}

void GapText::CopyTo(std::string& out) const
{
    out.assign(BeforeGap());
    out.append(AfterGap());
}

void GapText::TakeText(std::string& text)
{
    MoveGapTo(Size());
    m_buffer.resize(m_left);
    m_buffer.swap(text);
    Clear();
}

// text = { kept byte | "(" text ")" -> ReduceOperators(text) }, then ReduceOperators(text)
bool ParenthesisResolver::Resolve(std::string_view expression, std::string& out,
                                  std::span<const ValueSpan> values, std::string* owner)
{
    expression = engine::UpToNul(expression);
    out.clear();
    m_failure = Reason::TooLong;
    if (expression.size() >= UINT32_MAX)
        return false;
    m_failure = Reason::None;
    if (!expression.empty() && std::all_of(expression.begin(), expression.end(), IsKeptByte))
        return ResolveKept(expression, values, owner, out);
    m_next_ignored = 0;
    m_text.Clear();
    m_groups.clear();
    m_operators.clear();
    m_values.clear();
    ReserveFor(expression, values.size());
    size_t next_value = 0;
    size_t value_start = 0;
    for (size_t i = 0; i < expression.size(); ++i) {
        const char c = expression[i];
        if (next_value < values.size() && values[next_value].start == i)
            value_start = m_text.Size();
        if (static_cast<unsigned char>(c) >= 0x80) {
            // A two-byte character goes whole, so none of its bytes is taken for ASCII.
            Ignore(expression, i, 2);
            ++i;
        } else if (c == '(') {
            m_groups.push_back(uint32_t(m_text.Size()));
        } else if (c == ')') {
            // An unmatched ")" is dropped.
            if (m_groups.empty()) {
                Ignore(expression, i, 1);
                continue;
            }
            const size_t start = m_groups.back();
            m_groups.pop_back();
            if (!ReduceFrom(start, true))
                return false;
        } else if (Keeps(expression, i)) {
            Append(expression, i);
        } else {
            Ignore(expression, i, 1);
        }
        if (next_value < values.size() && values[next_value].end == i + 1) {
            m_values.push_back({uint32_t(value_start), uint32_t(m_text.Size())});
            ++next_value;
        }
    }
    // Unmatched "(" never entered the text.
    if (!m_groups.empty() && m_ignored.size() < kIgnoredShown)
        m_ignored.append(m_ignored.empty() ? "(" : " (");
    return ReduceWhole(out);
}

// A text the filter keeps whole needs no scan: with no exponent letter in it, every operator
// byte is an operator.
bool ParenthesisResolver::ResolveKept(std::string_view expression, std::span<const ValueSpan> values,
                                      std::string* owner, std::string& out)
{
    size_t count = 0;
    size_t first = 0;
    size_t last = 0;
    for (size_t i = 0; i < expression.size(); ++i) {
        if (IsOperatorByte(expression[i])) {
            first = count++ == 0 ? i : first;
            last = i;
        }
    }
    return ReduceFlat(expression, values, owner, count, first, last, out);
}

// The working text and the positions beside it take no more than the text has of each, so a
// long text reserves that much at once: growing by doubling would copy each of them and hold
// both copies for a while.
void ParenthesisResolver::ReserveFor(std::string_view expression, size_t values)
{
    if (expression.size() < kReserveFrom)
        return;
    const size_t groups = size_t(std::count(expression.begin(), expression.end(), '('));
    m_text.Reserve(expression.size());
    m_groups.reserve(groups);
    m_operators.reserve(size_t(std::count_if(expression.begin(), expression.end(), IsOperatorByte)));
    m_values.reserve(values + groups);
}

// kept = digit | "." | "*" "+" "-" "/" "^" | backslash | "e" between a digit or point and [sign] digit
// The filter. An "e" or "E" stays when the byte before it (an open "(" counts) is a digit or a
// point and a digit, or a sign and a digit, follow it: the exponent of a written number.
bool ParenthesisResolver::Keeps(std::string_view expression, size_t i) const
{
    const char c = expression[i];
    if (IsKeptByte(c))
        return true;
    if (!engine::IsExponentLetter(c) || m_text.Size() == 0)
        return false;
    const bool after_open_group = !m_groups.empty() && m_groups.back() == m_text.Size();
    const char before = m_text.At(m_text.Size() - 1);
    if (after_open_group || !(IsDigit(before) || before == '.'))
        return false;
    const std::string_view after = expression.substr(i + 1);
    if (!after.empty() && IsDigit(after[0]))
        return true;
    return after.size() >= 2 && IsSign(after[0]) && IsDigit(after[1]);
}

// Appends a kept byte. A sign right after the exponent letter of a written number, with a
// digit after it, belongs to the number and is no operator.
void ParenthesisResolver::Append(std::string_view expression, size_t i)
{
    const char c = expression[i];
    const size_t position = m_text.Size();
    if (IsOperatorByte(c)) {
        const bool exponent = IsSign(c) && position >= 2 && i + 1 < expression.size() &&
                              engine::IsExponentSignBetween(m_text.At(position - 2), m_text.At(position - 1),
                                                            expression[i + 1]);
        if (!exponent)
            m_operators.push_back(uint32_t(position));
    }
    m_text.Append(c);
}

// group = ReduceOperators(start .. number after the last operator), then the untouched tail
// Notes count bytes at i that the filter passes over (white space is expected and not noted).
void ParenthesisResolver::Ignore(std::string_view expression, size_t i, size_t count)
{
    const char c = expression[i];
    if (count == 1 && (c == ' ' || (c >= '\t' && c <= '\r')))
        return;
    if (m_ignored.size() >= kIgnoredShown) {
        if (!m_ignored.ends_with("..."))
            m_ignored.append("...");
        return;
    }
    if (!m_ignored.empty() && i != m_next_ignored)
        m_ignored.push_back(' ');
    m_ignored.append(expression.substr(i, count));
    m_next_ignored = i + count;
}

// Replaces the text from start to its end by its reduction; for a group, what is left is one
// value. Only the part through the number after the last operator is scanned; of the rest,
// which holds no operator, the reduction takes in only the bytes that a number read reaches
// (a result may join what follows it), and the remainder is not touched.
bool ParenthesisResolver::ReduceFrom(size_t start, bool group)
{
    if (start == m_text.Size()) {
        m_failure = group ? Reason::EmptyGroup : Reason::NothingToEvaluate;
        return false;
    }
    const auto first_value = std::lower_bound(m_values.begin(), m_values.end(), start,
                                              [](const ValueSpan& v, size_t s) { return v.start < s; });
    const auto first = std::lower_bound(m_operators.begin(), m_operators.end(), start);
    const size_t count = size_t(m_operators.end() - first);
    // No operator (a "-" in front is a sign): the text stays exactly as it is.
    if (count == 0 || (count == 1 && *first == start && m_text.At(start) == '-')) {
        if (group) {
            m_values.erase(first_value, m_values.end());
            m_values.push_back({uint32_t(start), uint32_t(m_text.Size())});
        }
        return true;
    }
    const size_t last = m_operators.back();
    m_text.MoveGapTo(last + 1);
    size_t used = 0;
    ReadDecimal(m_text.AfterGap(), &used);
    const size_t end = std::min(m_text.Size(), last + 1 + std::max<size_t>(used, 1));
    m_text.MoveGapTo(end);
    // Values in the tail hold no sign and no operator follows them: only those before matter.
    const auto after_region = std::lower_bound(first_value, m_values.end(), end,
                                               [](const ValueSpan& v, size_t e) { return v.start < e; });
    const std::span<const ValueSpan> region(m_values.data() + (first_value - m_values.begin()),
                                            size_t(after_region - first_value));
    size_t tail_used = 0;
    if (!m_reducer.Reduce(m_text.BeforeGap().substr(start), m_text.AfterGap(), region, m_reduced, tail_used,
                          start)) {
        m_failure = m_reducer.Failure();
        return false;
    }
    m_text.ReplaceAtGap(start, tail_used, m_reduced);
    m_operators.erase(first, m_operators.end());
    for (size_t i = start; i < start + m_reduced.size(); ++i) {
        const char c = m_text.At(i);
        const bool exponent = IsSign(c) && i >= 2 && i + 1 < m_text.Size() &&
                              engine::IsExponentSignBetween(m_text.At(i - 2), m_text.At(i - 1),
                                                            m_text.At(i + 1));
        if (IsOperatorByte(c) && !exponent)
            m_operators.push_back(uint32_t(i));
    }
    m_values.erase(first_value, m_values.end());
    if (group)
        m_values.push_back({uint32_t(start), uint32_t(m_text.Size())});
    return true;
}

// A text the filter keeps whole and without parentheses (what expanding the calls of a typed
// sum leaves) is reduced as ReduceFrom(0) would reduce its copy, without the copy.
// The reduction is given where the operators stand: their count, the first and the last.
bool ParenthesisResolver::ReduceFlat(std::string_view text, std::span<const ValueSpan> values,
                                     std::string* owner, size_t count, size_t first, size_t last,
                                     std::string& out)
{
    if (count == 0 || (count == 1 && first == 0 && text[0] == '-')) {
        out.assign(text);
        return true;
    }
    size_t used = 0;
    ReadDecimal(text.substr(last + 1), &used);
    const size_t end = std::min(text.size(), last + 1 + std::max<size_t>(used, 1));
    if (owner != nullptr && owner->size() == text.size()) {
        if (m_reducer.ReduceInPlace(*owner, end, values, out))
            return true;
    } else {
        size_t tail_used = 0;
        if (m_reducer.Reduce(text.substr(0, end), text.substr(end), values, out, tail_used)) {
            out.append(text.substr(end + tail_used));
            return true;
        }
    }
    m_failure = m_reducer.Failure();
    return false;
}

// ReduceFrom(0) at the end of the scan, on the working text in its own buffer; the operators'
// positions are let go first, as the reduction needs none of them.
bool ParenthesisResolver::ReduceWhole(std::string& out)
{
    if (m_text.Size() == 0) {
        m_failure = Reason::NothingToEvaluate;
        return false;
    }
    const size_t count = m_operators.size();
    const size_t first = count > 0 ? m_operators.front() : 0;
    const size_t last = count > 0 ? m_operators.back() : 0;
    std::vector<uint32_t>().swap(m_operators);
    m_text.TakeText(m_whole);
    return ReduceFlat(m_whole, m_values, &m_whole, count, first, last, out);
}
