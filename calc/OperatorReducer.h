#pragma once
// The working text of ReduceOperators, kept so that a rewrite costs only the bytes it touches.
//
// The text lies in one buffer with a gap: the bytes the scan has passed are on the left of the
// gap, the bytes still to scan on its right. Rewriting an operation cuts the left side back to
// the operation's start, drops the operator and the right operand from the right side and
// puts the result's text at the front of the right side. The scan then re-reads the result
// exactly as the restart at the operation's start would, and no other byte moves, so a long
// ‹1+1+…+1› is reduced in linear time. The buffers are kept between calls.
#include <string>
#include <string_view>
#include <vector>

class OperatorReducer {
public:
    // Reduces expression (no parentheses expected) and writes the outcome to out. False when
    // the evaluation fails: a divisor of magnitude at most ZeroTolerance, or an operand or a
    // value that is not finite. An empty expression gives true and an empty out.
    bool Reduce(std::string_view expression, std::string& out);

    // The same for expression followed by tail, where tail holds no operator (only exponent
    // signs): nothing in tail is scanned, and of its bytes only those that a number read
    // reaches are taken in. out is the reduction of expression and the first tail_used bytes
    // of tail; the rest of tail follows it unchanged.
    bool Reduce(std::string_view expression, std::string_view tail, std::string& out, size_t& tail_used);

    // When set, every rewrite appends the whole working text after it: the steps of a
    // reduction, for tests. Null stops it.
    void TraceSteps(std::vector<std::string>* steps) { m_steps = steps; }

private:
    enum class Pass { Powers, Products, Sums };
    enum class Role { Operand, Boundary, Operator };

    void Load(std::string_view text);
    void Reload();
    bool Holds(char c) const;
    Role RoleAt(Pass pass) const;
    bool RunPass(Pass pass);
    bool Rewrite(size_t start);
    void Advance();
    void PutInFront(const char* bytes, size_t count);
    void TakeFromTail(size_t count);
    std::string_view RightOperandText();
    std::string WorkingText() const;

    std::string m_buffer;
    size_t m_left = 0;   // the scanned text is m_buffer[0, m_left); the scan position is m_left
    size_t m_right = 0;  // the unscanned text is m_buffer[m_right, end)
    std::string_view m_tail;  // what follows the text, taken in only as far as it is read
    size_t m_tail_used = 0;
    std::vector<std::string>* m_steps = nullptr;
};
