#pragma once
// Filters an expression byte by byte (keeping digits, ".", "*", "+", "-", "/", "^", the
// backslash, and "e"/"E" inside a written exponent) and replaces each parenthesised group,
// innermost first, by the text of its value; unmatched parentheses are dropped. The rest is
// reduced by ReduceOperators. Failure is the empty text.
//   "((1+2)*(3+4))^2" -> "441"     "(1+2)(3+4)" -> "37"     "1,5+1" -> "16"     "1+()" -> ""
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calc/ReduceOperators.h"

std::string ResolveParentheses(std::string_view expression);

// A text with a gap: bytes are appended at its end, and a span that ends at the gap is
// replaced without moving what follows the gap.
class GapText {
public:
    void Clear();
    size_t Size() const { return m_left + (m_buffer.size() - m_right); }
    char At(size_t i) const { return i < m_left ? m_buffer[i] : m_buffer[m_right + (i - m_left)]; }
    void Append(char c) { m_buffer.push_back(c); }
    void Reserve(size_t size) { m_buffer.reserve(size); }
    // Moves the gap to position, so that the text before it and after it are contiguous.
    void MoveGapTo(size_t position);
    std::string_view BeforeGap() const { return {m_buffer.data(), m_left}; }
    std::string_view AfterGap() const { return {m_buffer.data() + m_right, m_buffer.size() - m_right}; }
    // Replaces the text from `from` to the gap and the first `after` bytes after it by text.
    void ReplaceAtGap(size_t from, size_t after, std::string_view text);
    void CopyTo(std::string& out) const;
    // Moves the whole text into text, which gives its buffer in exchange; the text is then empty.
    void TakeText(std::string& text);

private:
    std::string m_buffer;
    size_t m_left = 0;   // the text before the gap is m_buffer[0, m_left)
    size_t m_right = 0;  // the text after it is m_buffer[m_right, end)
};

// The working state of ResolveParentheses, kept between calls so that a long expression costs
// no allocation per step.
//
// The scan appends every byte that passes the filter to the working text. An open "(" is not
// stored in it: the group stack keeps where each open group's text begins, so the group's
// inner text is always the end of the working text and an unmatched "(" simply never appears.
// The positions of the bytes that can act as operators are kept beside the text, so that
// closing a group whose text holds none costs nothing, and a reduction scans only from the
// group's start through the number after its last operator: of what follows, only the bytes
// a number read reaches are looked at, and the rest stays where it is. The text lies in a gap
// buffer whose gap sits where the last reduction ended, so the bytes after a reduction never
// move: deep nesting around a long text costs little per level, whatever the text holds.
class ParenthesisResolver {
public:
    // Filters expression and resolves its parentheses from the innermost outwards, then
    // reduces what remains; writes the result to out. values are the spans of the calls'
    // values in expression, each one operand. False when the evaluation fails: a group that
    // reduces to nothing ("()"), a failed reduction, nothing left after filtering, or a text
    // longer than positions of 32 bits reach.
    // When owner is given, expression is the whole of *owner and the resolver may take its
    // buffer as working memory (owner then holds another buffer).
    bool Resolve(std::string_view expression, std::string& out, std::span<const ValueSpan> values = {},
                 std::string* owner = nullptr);

    // Why the last resolution failed.
    Reason Failure() const { return m_failure; }
    // The characters the filter passed over since the last ClearIgnored, white space aside,
    // runs apart separated by a space; the first few dozen bytes of them (GBK).
    const std::string& Ignored() const { return m_ignored; }
    void ClearIgnored() { m_ignored.clear(); }

private:
    bool ResolveKept(std::string_view expression, std::span<const ValueSpan> values, std::string* owner,
                     std::string& out);
    void ReserveFor(std::string_view expression, size_t values);
    bool Keeps(std::string_view expression, size_t i) const;
    void Append(std::string_view expression, size_t i);
    void Ignore(std::string_view expression, size_t i, size_t count);
    bool ReduceFrom(size_t start, bool group);
    bool ReduceWhole(std::string& out);
    bool ReduceFlat(std::string_view text, std::span<const ValueSpan> values, std::string* owner,
                    size_t operators, size_t first, size_t last, std::string& out);

    GapText m_text;
    std::vector<uint32_t> m_groups;     // where the text of each open group begins
    std::vector<uint32_t> m_operators;  // ascending positions of operator bytes in m_text
    std::vector<ValueSpan> m_values;    // the values in m_text, in order
    std::string m_reduced;
    std::string m_whole;  // the working text for the last reduction
    OperatorReducer m_reducer;
    Reason m_failure = Reason::None;
    std::string m_ignored;
    size_t m_next_ignored = 0;  // the input position right after the last byte ignored
};
