// ReduceOperators by text rewriting: three passes (powers, products, sums), each scanning
// left to right, each operation replaced by the text of its value and the scan resumed at the
// operation's start.
#include "calc/ReduceOperators.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "calc/EngineBytes.h"
#include "values/Commands.h"
#include "values/Constants.h"

namespace {

// Room kept in front of the unscanned text for results longer than what they replace.
constexpr size_t kHeadroom = 64;

struct OperationResult {
    char text[kNumberTextSize];
    size_t length = 0;
    size_t right_used = 0;  // bytes of the right operand as written, sign included
};

// One operation: the left operand is read from its text, the right operand from the rest of
// the text after the operator, as far as its number goes. The right operand's value is that
// of its ToText form (13 significant digits); the left operand's is not limited so.
Reason ComputeOperation(char op, std::string_view left, std::string_view rest, OperationResult& out,
                        bool negate_left = false)
{
    const double x = negate_left ? -ReadDecimal(left, nullptr) : ReadDecimal(left, nullptr);
    const double written_y = ReadDecimal(rest, &out.right_used);
    // An infinite operand would travel on as "1.#INF" and be read back as 1: refuse it.
    if (!std::isfinite(x) || !std::isfinite(written_y))
        return Reason::Overflow;
    char canonical[kNumberTextSize];
    const size_t canonical_length = FormatDouble(written_y, canonical);
    const double y = ReadDecimal({canonical, canonical_length}, nullptr);

    double value = 0.0;
    switch (op) {
    case '^': {
        const TypedValue args[2] = {TypedValue::Double(x), TypedValue::Double(y)};
        value = CallCommand(Power, 2, args).AsDouble();
        break;
    }
    case '*': value = x * y; break;
    case '/':
        if (std::fabs(y) <= ZeroTolerance)
            return Reason::DivisionByZero;
        if (std::fabs(x) <= ZeroTolerance) {
            out.text[0] = '0';
            out.length = 1;
            return Reason::None;
        }
        value = x / y;
        break;
    case '+': value = x + y; break;
    default: value = x - y; break;
    }
    if (!std::isfinite(value))
        return std::isnan(value) && op == '^' ? Reason::NoRealPower : Reason::Overflow;
    out.length = FormatDouble(value, out.text);
    return Reason::None;
}

// Whether text is, as far as it goes, the start of a number that more bytes could lengthen:
// a number read from it may reach past its end.
bool NumberMayGoOn(std::string_view text)
{
    size_t i = 0;
    const auto digits = [&] {
        const size_t from = i;
        while (i < text.size() && engine::IsDigit(text[i]))
            ++i;
        return i > from;
    };
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    if (i < text.size() && engine::IsSign(text[i]))
        ++i;
    bool any = digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        any = digits() || any;
    }
    if (i == text.size())
        return true;
    const char c = text[i];
    if (!any || !(c == 'e' || c == 'E' || c == 'd' || c == 'D'))
        return false;
    ++i;
    if (i < text.size() && engine::IsSign(text[i]))
        ++i;
    digits();
    return i == text.size();
}

// A value's text with the sign typed in front of it joined in: "-" and "-4" give "+4".
void JoinSign(char sign, OperationResult& result)
{
    if (result.text[0] == '-') {
        result.text[0] = sign == '-' ? '+' : '-';
        return;
    }
    std::memmove(result.text + 1, result.text, result.length);
    result.text[0] = sign;
    ++result.length;
}

}  // namespace

std::string ReduceOperators(std::string_view expression)
{
    thread_local OperatorReducer reducer;
    std::string out;
    if (!reducer.Reduce(engine::UpToNul(expression), out))
        return {};
    return out;
}

bool OperatorReducer::Reduce(std::string_view expression, std::string& out)
{
    size_t tail_used = 0;
    return Reduce(expression, {}, {}, out, tail_used);
}

// text = pass("^") then pass("*" "/") then pass("+" "-"); each operation becomes its value's text
bool OperatorReducer::Reduce(std::string_view expression, std::string_view tail,
                             std::span<const ValueSpan> values, std::string& out, size_t& tail_used,
                             size_t values_base)
{
    out.clear();
    tail_used = 0;
    m_failure = Reason::None;
    m_tail = tail;
    m_tail_used = 0;
    if (expression.empty())
        return true;
    // Values matter only to powers: once the signs are joined, products and sums read the text
    // as it stands.
    Load(expression, values, values_base, std::memchr(expression.data(), '^', expression.size()) != nullptr);
    if (!RunPasses())
        return false;
    out.assign(m_buffer.data(), m_left);
    tail_used = m_tail_used;
    return true;
}

bool OperatorReducer::ReduceInPlace(std::string& text, size_t end, std::span<const ValueSpan> values,
                                    std::string& out)
{
    out.clear();
    m_failure = Reason::None;
    m_tail = {};
    m_tail_used = 0;
    if (end == 0) {
        out.assign(text);
        return true;
    }
    const bool powers = std::memchr(text.data(), '^', end) != nullptr;
    m_buffer.swap(text);
    LoadInPlace(end, values, powers);
    if (!RunPasses())
        return false;
    out.assign(m_buffer.data(), m_left);
    return true;
}

// Each pass runs only when its operators occur; the test is made once, before the pass.
bool OperatorReducer::RunPasses()
{
    if (Holds('^')) {
        m_track_values = !m_ahead.empty();
        const bool reduced = RunPass(Pass::Powers);
        m_track_values = false;
        if (!reduced)
            return false;
        Reload();
    }
    if (Holds('*') || Holds('/')) {
        if (!RunPass(Pass::Products))
            return false;
        Reload();
    }
    return RunPass(Pass::Sums);
}

// [sign] value, at the start or after an operator byte -> one value with the joined sign
// Writes text through sink, joining into each value the sign typed in front of it at the start
// or right after an operator byte (but not a sign that ends another value), and notes each
// value's bounds as written when note_values is set (only powers need them). A join only ever shortens the
// text, so sink may write into the bytes it reads, behind the reading.
template <typename Sink>
void OperatorReducer::JoinSigns(std::string_view text, std::span<const ValueSpan> values, size_t values_base,
                                Sink& sink, bool note_values)
{
    m_ahead.clear();
    m_ahead_typed.clear();
    if (note_values) {
        m_ahead.reserve(values.size());
        m_ahead_typed.reserve(values.size());
    }
    size_t copied = 0;
    size_t previous_end = std::string_view::npos;
    for (const ValueSpan& value : values) {
        const size_t start = value.start - values_base;
        const size_t end = std::min<size_t>(value.end - values_base, text.size());
        if (value.start < values_base || start >= end || start < copied)
            continue;
        const bool joined = start >= 1 && previous_end != start && engine::IsSign(text[start - 1]) &&
                            (start == 1 || engine::IsOperatorByte(text[start - 2]));
        char typed = '\0';
        size_t from = 0;
        if (joined) {
            const char sign = text[start - 1];
            sink.Copy(copied, start - 1 - copied);
            from = sink.Size();
            if (text[start] == '-') {
                sink.Put(sign == '-' ? '+' : '-');
                sink.Copy(start + 1, end - start - 1);
            } else {
                sink.Copy(start - 1, end - start + 1);
            }
            // At the start the sign is the value's own; after an operator it applies after a power.
            typed = start == 1 ? '\0' : sign;
        } else {
            sink.Copy(copied, end - copied);
            from = sink.Size() - (end - start);
        }
        if (note_values)
            PushAhead({int64_t(from), int64_t(sink.Size()), typed});
        copied = end;
        previous_end = end;
    }
    sink.Copy(copied, text.size() - copied);
    // Count the bounds back from the end, the next value last.
    const int64_t text_end = int64_t(sink.Size());
    for (Bounds& bounds : m_ahead)
        bounds = {uint32_t(text_end - bounds.start), uint32_t(text_end - bounds.end)};
    std::reverse(m_ahead.begin(), m_ahead.end());
    std::reverse(m_ahead_typed.begin(), m_ahead_typed.end());
}

// Copies text in front of the gap, its signs joined.
void OperatorReducer::Load(std::string_view text, std::span<const ValueSpan> values, size_t values_base,
                           bool note_values)
{
    m_buffer.assign(kHeadroom, '\0');
    m_left = 0;
    m_right = kHeadroom;
    m_behind = {-1, -1, '\0'};
    struct Appending {
        std::string& buffer;
        std::string_view text;
        void Copy(size_t from, size_t count) { buffer.append(text.substr(from, count)); }
        void Put(char c) { buffer.push_back(c); }
        size_t Size() const { return buffer.size() - kHeadroom; }
    } sink{m_buffer, text};
    JoinSigns(text, values, values_base, sink, note_values);
}

// The same where the text already lies: m_buffer[0, end) is the expression, the rest its tail,
// which holds no operator and is scanned as it stands. Headroom goes in front only when the
// buffer has room for it; without it, the first result longer than its operation grows the gap.
void OperatorReducer::LoadInPlace(size_t end, std::span<const ValueSpan> values, bool note_values)
{
    m_behind = {-1, -1, '\0'};
    struct Compacting {
        char* data;
        size_t written = 0;
        void Copy(size_t from, size_t count)
        {
            std::memmove(data + written, data + from, count);
            written += count;
        }
        void Put(char c) { data[written++] = c; }
        size_t Size() const { return written; }
    } sink{m_buffer.data()};
    JoinSigns(std::string_view(m_buffer.data(), end), values, 0, sink, note_values);
    // The values' bounds count back from the end of the expression, and the tail now follows it.
    const size_t tail = m_buffer.size() - end;
    std::memmove(m_buffer.data() + sink.written, m_buffer.data() + end, tail);
    m_buffer.resize(sink.written + tail);
    for (Bounds& bounds : m_ahead)
        bounds = {uint32_t(bounds.start + tail), uint32_t(bounds.end + tail)};
    const size_t headroom = m_buffer.capacity() - m_buffer.size() >= kHeadroom ? kHeadroom : 0;
    m_buffer.insert(0, headroom, '\0');
    m_left = 0;
    m_right = headroom;
}

// After a pass the whole text is on the left; the next pass scans it from the right side.
void OperatorReducer::Reload()
{
    m_buffer.resize(m_left);
    m_buffer.insert(0, kHeadroom, '\0');
    m_left = 0;
    m_right = kHeadroom;
}

bool OperatorReducer::Holds(char c) const
{
    return std::memchr(m_buffer.data() + m_right, c, m_buffer.size() - m_right) != nullptr;
}

// What the byte at the scan position is in this pass. A "-" in the first position is the sign
// of the first number, and a sign inside an exponent belongs to its number: neither is ever an
// operator or a boundary.
OperatorReducer::Role OperatorReducer::RoleAt(Pass pass) const
{
    const char c = m_buffer[m_right];
    switch (c) {
    case '^': return pass == Pass::Powers ? Role::Operator : Role::Operand;
    case '*':
    case '/':
        if (pass == Pass::Powers)
            return Role::Boundary;
        return pass == Pass::Products ? Role::Operator : Role::Operand;
    case '+':
    case '-': {
        if (c == '-' && m_left == 0)
            return Role::Operand;
        const char after = m_right + 1 < m_buffer.size() ? m_buffer[m_right + 1] : '\0';
        if (m_left >= 2 && engine::IsExponentSignBetween(m_buffer[m_left - 2], m_buffer[m_left - 1], after))
            return Role::Operand;
        return pass == Pass::Sums ? Role::Operator : Role::Boundary;
    }
    default: return Role::Operand;
    }
}

// pass = scan from the left; operation = (last boundary or value start) .. operator .. right operand
// Passes 1 and 2 remember the last boundary passed: an operation starts right after it (the
// boundary stack is only ever read at its top, so its top is all that is kept). Pass 3 has no
// boundaries, so each of its operations starts at the first byte.
bool OperatorReducer::RunPass(Pass pass)
{
    size_t start = 0;
    while (m_right < m_buffer.size()) {
        // Whether a sign in the last byte belongs to an exponent depends on the byte after it.
        if (m_right + 1 == m_buffer.size() && engine::IsSign(m_buffer[m_right]))
            TakeFromTail(1);
        // A value is one operand: an operation may start at its first byte, which is never a
        // boundary.
        if (m_track_values && !m_ahead.empty() && ExpressionEnd() - m_ahead.back().start == int64_t(m_right)) {
            const Value value = NextAhead();
            PopAhead();
            m_behind = {int64_t(m_left), int64_t(m_left) + (value.start - value.end), value.typed};
            start = m_left;
            Advance();
            continue;
        }
        switch (RoleAt(pass)) {
        case Role::Boundary:
            start = m_left + 1;
            Advance();
            break;
        case Role::Operator:
            if (m_track_values && m_behind.start == int64_t(start) && m_behind.end == int64_t(m_left)) {
                if (!RewritePowerOfValue())
                    return false;
            } else if (!Rewrite(start)) {
                return false;
            }
            break;
        case Role::Operand: Advance(); break;
        }
    }
    return true;
}

// operation = left operand, operator, right operand as written -> ToText(value)
// Replaces the operation at the scan position, from start through its right operand as
// written, by its value's text, and resumes the scan at start. When no number can be read
// after the operator, the operation ends at the operator.
bool OperatorReducer::Rewrite(size_t start)
{
    const std::string_view rest = RightOperandText();
    const std::string_view left(m_buffer.data() + start, m_left - start);
    OperationResult result;
    m_failure = ComputeOperation(m_buffer[m_right], left, rest, result);
    if (m_failure != Reason::None)
        return false;
    m_left = start;
    m_right += 1 + result.right_used;
    if (m_track_values) {
        if (m_behind.end > int64_t(start))
            m_behind = {-1, -1, '\0'};
        DropValuesBefore(m_right);
    }
    PutInFront(result.text, result.length);
    if (m_steps != nullptr)
        m_steps->push_back(WorkingText());
    return true;
}

// value ^ right operand -> [typed sign] ToText(value ^ y), a value again
// The power of the value just scanned: its own sign goes with it into the base, a sign typed
// after an operator is joined into the result, and the result is a value again.
bool OperatorReducer::RewritePowerOfValue()
{
    const size_t start = size_t(m_behind.start);
    const char typed = m_behind.typed;
    const std::string_view rest = RightOperandText();
    const std::string_view base(m_buffer.data() + start, m_left - start);
    OperationResult result;
    m_failure = ComputeOperation(m_buffer[m_right], base, rest, result, typed == '-');
    if (m_failure != Reason::None)
        return false;
    if (typed != '\0')
        JoinSign(typed, result);
    m_left = start;
    m_right += 1 + result.right_used;
    m_behind = {-1, -1, '\0'};
    DropValuesBefore(m_right);
    PutInFront(result.text, result.length);
    PushAhead({ExpressionEnd() - int64_t(m_right), ExpressionEnd() - int64_t(m_right + result.length), typed});
    if (m_steps != nullptr)
        m_steps->push_back(WorkingText());
    return true;
}

// Values that an operation took bytes of are values no longer.
void OperatorReducer::DropValuesBefore(size_t right)
{
    while (!m_ahead.empty() && ExpressionEnd() - m_ahead.back().start < int64_t(right))
        PopAhead();
}

void OperatorReducer::PushAhead(const Value& value)
{
    m_ahead.push_back({uint32_t(value.start), uint32_t(value.end)});
    m_ahead_typed.push_back(value.typed);
}

void OperatorReducer::PopAhead()
{
    m_ahead.pop_back();
    m_ahead_typed.pop_back();
}

// The text after the operator at the scan position, with enough of the tail taken in that
// the number it begins with is all there.
std::string_view OperatorReducer::RightOperandText()
{
    size_t chunk = kHeadroom;
    for (;;) {
        const std::string_view rest(m_buffer.data() + m_right + 1, m_buffer.size() - m_right - 1);
        if (m_tail_used == m_tail.size() || !NumberMayGoOn(rest))
            return rest;
        TakeFromTail(chunk);
        chunk *= 2;
    }
}

void OperatorReducer::TakeFromTail(size_t count)
{
    count = std::min(count, m_tail.size() - m_tail_used);
    m_buffer.append(m_tail.substr(m_tail_used, count));
    m_tail_used += count;
}

void OperatorReducer::Advance() { m_buffer[m_left++] = m_buffer[m_right++]; }

void OperatorReducer::PutInFront(const char* bytes, size_t count)
{
    const size_t gap = m_right - m_left;
    if (gap < count) {
        // Grow by at least the text's size, so that repeated growth stays linear overall.
        const size_t grow = std::max(count - gap + kHeadroom, m_buffer.size());
        m_buffer.insert(m_right, grow, '\0');
        m_right += grow;
    }
    m_right -= count;
    std::memcpy(m_buffer.data() + m_right, bytes, count);
}

std::string OperatorReducer::WorkingText() const
{
    std::string text(m_buffer.data(), m_left);
    text.append(m_buffer, m_right, std::string::npos);
    return text;
}
