#pragma once
// Evaluates a text of numbers and the operators "^", "*", "/", "+", "-" by rewriting it: three
// passes (powers, products, sums), each operation replaced by ToText of its value, every
// operator left-associative, a "-" in front the sign of the first number. A text without an
// operator comes back as it is. Failure is the empty text: a divisor of magnitude at most
// 1e-7, or an operand or value that is not finite.
//   "1+2*3^2-4/2" -> "17"     "2^3^2" -> "64"     "-2^2" -> "4"     "007" -> "007"     "5/0" -> ""
//
// Numbers are read from ASCII bytes; the expression engine only ever hands it such texts.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calc/Reasons.h"

std::string ReduceOperators(std::string_view expression);

// Where the value of a group or a call stands in a text: [start, end). Such a value is one
// operand, its sign included.
struct ValueSpan {
    uint32_t start;
    uint32_t end;
};

// The working text of ReduceOperators, kept so that a rewrite costs only the bytes it touches.
//
// The text lies in one buffer with a gap: the bytes the scan has passed are on the left of the
// gap, the bytes still to scan on its right. Rewriting an operation cuts the left side back to
// the operation's start, drops the operator and the right operand from the right side and
// puts the result's text at the front of the right side. The scan then re-reads the result
// exactly as the restart at the operation's start would, and no other byte moves, so a long
// ‹1+1+…+1› is reduced in linear time. The buffers are kept between calls.
class OperatorReducer {
public:
    // Reduces expression (no parentheses expected) and writes the outcome to out. False when
    // the evaluation fails: a divisor of magnitude at most ZeroTolerance, or an operand or a
    // value that is not finite. An empty expression gives true and an empty out.
    bool Reduce(std::string_view expression, std::string& out);

    // The same for expression followed by tail, where tail holds no operator (only exponent
    // signs): nothing in tail is scanned, and of its bytes only those that a number read
    // reaches are taken in. out is the reduction of expression and the first tail_used bytes
    // of tail; the rest of tail follows it unchanged. values are the spans of the values in
    // expression, in order:
    //   a sign typed in front of a value at the start or right after an operator is joined
    //   into it as one byte ("-" and "-2" read "+2"); a power whose base is exactly a value
    //   takes it with its sign (a sign typed after an operator applies after the power), and
    //   is a value again.
    // values_base is where expression starts in the text the values' positions count in.
    bool Reduce(std::string_view expression, std::string_view tail, std::span<const ValueSpan> values,
                std::string& out, size_t& tail_used, size_t values_base = 0);

    // The same on a text handed over whole, so that a long text is never copied: text[0, end)
    // is the expression and the rest of text its tail. Its buffer becomes the working text and
    // text gets the previous working buffer back; out is the reduction followed by the tail.
    bool ReduceInPlace(std::string& text, size_t end, std::span<const ValueSpan> values, std::string& out);

    // When set, every rewrite appends the whole working text after it: the steps of a
    // reduction, for tests. Null stops it.
    void TraceSteps(std::vector<std::string>* steps) { m_steps = steps; }

    // Why the last reduction failed.
    Reason Failure() const { return m_failure; }

private:
    enum class Pass { Powers, Products, Sums };
    enum class Role { Operand, Boundary, Operator };
    // A value during the powers pass. Ahead of the scan its bounds count back from the end of
    // the expression (they stay put while the text in front of them is rewritten); behind it,
    // they are positions in the scanned text.
    struct Value {
        int64_t start;
        int64_t end;
        char typed;  // a sign typed after an operator, joined into the value; NUL for none
    };

    void Load(std::string_view text, std::span<const ValueSpan> values, size_t values_base, bool note_values);
    void LoadInPlace(size_t end, std::span<const ValueSpan> values, bool note_values);
    template <typename Sink>
    void JoinSigns(std::string_view text, std::span<const ValueSpan> values, size_t values_base, Sink& sink,
                   bool note_values);
    bool RunPasses();
    void Reload();
    bool Holds(char c) const;
    Role RoleAt(Pass pass) const;
    bool RunPass(Pass pass);
    bool Rewrite(size_t start);
    bool RewritePowerOfValue();
    void DropValuesBefore(size_t right);
    int64_t ExpressionEnd() const { return int64_t(m_buffer.size() - m_tail_used); }
    void Advance();
    void PutInFront(const char* bytes, size_t count);
    void TakeFromTail(size_t count);
    std::string_view RightOperandText();
    std::string WorkingText() const;

    std::string m_buffer;
    size_t m_left = 0;        // the scanned text is m_buffer[0, m_left); the scan position is m_left
    size_t m_right = 0;       // the unscanned text is m_buffer[m_right, end)
    std::string_view m_tail;  // what follows the text, taken in only as far as it is read
    size_t m_tail_used = 0;
    // Values not yet scanned, the next one last, their bounds counted back from the end of the
    // expression (which is shorter than 4 GiB) and their typed signs apart: 9 bytes a value.
    struct Bounds {
        uint32_t start;
        uint32_t end;
    };
    std::vector<Bounds> m_ahead;
    std::vector<char> m_ahead_typed;
    void PushAhead(const Value& value);
    Value NextAhead() const { return {m_ahead.back().start, m_ahead.back().end, m_ahead_typed.back()}; }
    void PopAhead();
    Value m_behind{-1, -1, 0};  // the value the scan passed last, while it is whole
    bool m_track_values = false;
    Reason m_failure = Reason::None;
    std::vector<std::string>* m_steps = nullptr;
};
