#pragma once
// A slow, literal rewriting of the expression engine, for checking the real one: every step
// works on a whole std::string, positions are 1-based as in the rules, the boundary stack is a
// real stack, calls are found by searching for the rightmost call name again after each
// expansion. Beside each byte it keeps the id of the value it belongs to (the value of a group
// or a call, or a power taken of one), so that such a value is read as one operand. Quadratic
// at best; only for short texts.
#include <cmath>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "calc/EngineBytes.h"
#include "calc/EvaluateExpression.h"
#include "values/Commands.h"
#include "values/Constants.h"
#include "values/Number.h"
#include "values/NumberText.h"

namespace reference {

inline bool Digit(char c) { return c >= '0' && c <= '9'; }
inline bool Sign(char c) { return c == '+' || c == '-'; }
inline bool OperatorByte(char c) { return std::string_view("^*/+-").find(c) != std::string_view::npos; }
inline char At(const std::string& w, long p) { return p >= 1 && p <= long(w.size()) ? w[p - 1] : '\0'; }
inline std::string Text(double v)
{
    char b[kNumberTextSize];
    return std::string(b, FormatDouble(v, b));
}
inline double Number(std::string_view t) { return TextToNumber(std::string(t)); }

// A working text with the value id of each byte (0: a byte of no value). A value that loses
// some of its bytes to an operation is a value no longer.
struct Marked {
    std::string w;
    std::vector<int> id;
    std::map<int, char> typed;  // a sign typed after an operator, joined into the value

    Marked() = default;
    Marked(std::string text) : w(std::move(text)), id(w.size(), 0) {}
};

inline int NewId()
{
    static int next = 0;
    return ++next;
}

// Replaces count bytes at the 1-based position p by s, whose bytes get value id `value`.
inline void Splice(Marked& m, long p, long count, const std::string& s, int value = 0)
{
    count = std::min(count, long(m.w.size()) - (p - 1));
    std::set<int> cut;
    for (long i = p - 1; i < p - 1 + count; ++i)
        if (m.id[i] != 0)
            cut.insert(m.id[i]);
    m.w.replace(p - 1, count, s);
    m.id.erase(m.id.begin() + (p - 1), m.id.begin() + (p - 1 + count));
    m.id.insert(m.id.begin() + (p - 1), s.size(), value);
    for (int& v : m.id)
        if (cut.count(v) != 0)
            v = 0;
}

inline Marked Sub(const Marked& m, long p, long count)
{
    Marked s;
    s.w = m.w.substr(p - 1, count);
    s.id.assign(m.id.begin() + (p - 1), m.id.begin() + (p - 1 + long(s.w.size())));
    return s;
}

// The sign at p belongs to an exponent.
inline bool ExponentSign(const std::string& w, long p)
{
    const char c = At(w, p);
    return (c == '+' || c == '-') && (At(w, p - 1) == 'e' || At(w, p - 1) == 'E') &&
           (Digit(At(w, p - 2)) || At(w, p - 2) == '.') && Digit(At(w, p + 1));
}

// A value's text with a typed sign joined into it: "-" and "-2" give "+2".
inline std::string Joined(char sign, const std::string& value)
{
    if (!value.empty() && value[0] == '-')
        return (sign == '-' ? "+" : "-") + value.substr(1);
    return sign + value;
}

// The right operand after the operator at p: its value and the bytes it was read from.
inline double RightOperand(const std::string& w, long p, size_t& used)
{
    const std::string rest = w.substr(p);
    ReadDecimal(rest, &used);
    return Number(rest);
}

// x op y, or none when the operation fails; "0" for a dividend within ZeroTolerance.
inline std::optional<std::string> Apply(char op, double x, double written_y)
{
    if (!std::isfinite(x) || !std::isfinite(written_y))
        return std::nullopt;
    const double y = Number(Text(written_y));
    double v = 0;
    switch (op) {
    case '^': {
        const TypedValue a[2] = {TypedValue::Double(x), TypedValue::Double(y)};
        v = CallCommand(Power, 2, a).AsDouble();
        break;
    }
    case '*': v = x * y; break;
    case '/':
        if (std::fabs(y) <= ZeroTolerance)
            return std::nullopt;
        if (std::fabs(x) <= ZeroTolerance)
            return std::string("0");
        v = x / y;
        break;
    case '+': v = x + y; break;
    default: v = x - y; break;
    }
    if (!std::isfinite(v))
        return std::nullopt;
    return Text(v);
}

// The operation at p with its left operand from `start`; false on failure.
inline bool Operate(Marked& m, long start, long p)
{
    size_t used = 0;
    const double y = RightOperand(m.w, p, used);
    const auto result = Apply(m.w[p - 1], Number(m.w.substr(start - 1, p - start)), y);
    if (!result)
        return false;
    Splice(m, start, (p - start) + 1 + long(used), *result);
    return true;
}

// A sign typed in front of a value, at the start of the text or right after an operator
// byte, is joined into the value as one byte: "-" and "-2" read as "+2", "-" and "2" as "-2".
inline void JoinTypedSigns(Marked& m)
{
    for (long a = 2; a <= long(m.w.size()); ++a) {
        const int v = m.id[a - 1];
        const bool value_start = v != 0 && m.id[a - 2] != v;
        if (!value_start || m.id[a - 2] != 0 || !Sign(m.w[a - 2]))
            continue;
        const bool leading = a == 2;
        if (!leading && !OperatorByte(m.w[a - 3]))
            continue;
        const char sign = m.w[a - 2];
        if (m.w[a - 1] == '-') {
            m.w.erase(a - 2, 1);
            m.id.erase(m.id.begin() + (a - 2));
            m.w[a - 2] = sign == '-' ? '+' : '-';
        } else {
            m.id[a - 2] = v;
        }
        // At the start the sign is the value's own; after an operator it applies after a power.
        m.typed[v] = leading ? '\0' : sign;
    }
}

// Pass 1. A value is one operand: when the scan meets its first byte an operation may start
// there, and a power whose base is exactly that value takes it with its sign and is a value
// again.
inline bool PowerPass(Marked& m)
{
    long start = 1;
    for (long p = 1; p <= long(m.w.size());) {
        const char c = m.w[p - 1];
        const int v = m.id[p - 1];
        if (v != 0 && (p == 1 || m.id[p - 2] != v)) {
            start = p;
            ++p;
        } else if (c == '^' && p >= 2 && m.id[p - 2] != 0 && m.id[start - 1] == m.id[p - 2]) {
            const int base_id = m.id[p - 2];
            const char typed = m.typed.count(base_id) != 0 ? m.typed[base_id] : '\0';
            double x = Number(m.w.substr(start - 1, p - start));
            if (typed == '-')
                x = -x;
            size_t used = 0;
            const double y = RightOperand(m.w, p, used);
            auto result = Apply('^', x, y);
            if (!result)
                return false;
            if (typed != '\0')
                result = Joined(typed, *result);
            const int power = NewId();
            m.typed[power] = typed;
            Splice(m, start, (p - start) + 1 + long(used), *result, power);
            p = start;
        } else if (c == '^') {
            if (!Operate(m, start, p))
                return false;
            p = start;
        } else {
            if ((c == '+' || c == '*' || c == '/' || (c == '-' && p > 1)) && !ExponentSign(m.w, p))
                start = p + 1;
            ++p;
        }
    }
    return true;
}

inline bool BoundaryPass(Marked& m, std::string_view reduced, std::string_view pushed)
{
    std::vector<long> stack;
    for (long p = 1; p <= long(m.w.size());) {
        const char c = m.w[p - 1];
        const bool sign_ok = !((c == '-' && p == 1) || ExponentSign(m.w, p));
        if (pushed.find(c) != std::string_view::npos && sign_ok) {
            stack.push_back(p);
            ++p;
        } else if (reduced.find(c) != std::string_view::npos) {
            const long start = stack.empty() ? 1 : stack.back() + 1;
            if (!Operate(m, start, p))
                return false;
            p = start;
        } else {
            ++p;
        }
    }
    return true;
}

inline std::string ReduceOperators(Marked m)
{
    if (m.w.empty())
        return "";
    JoinTypedSigns(m);
    if (m.w.find('^') != std::string::npos && !PowerPass(m))
        return "";
    if (m.w.find_first_of("*/") != std::string::npos && !BoundaryPass(m, "*/", "+-"))
        return "";
    for (long p = 1; p <= long(m.w.size());) {
        const char c = m.w[p - 1];
        if ((c == '+' || (c == '-' && p > 1)) && !ExponentSign(m.w, p)) {
            if (!Operate(m, 1, p))
                return "";
            p = 1;
        } else {
            ++p;
        }
    }
    return m.w;
}

inline std::string ReduceOperators(std::string w) { return ReduceOperators(Marked(std::move(w))); }

inline std::string ResolveParentheses(Marked m)
{
    const size_t nul = m.w.find('\0');
    if (nul != std::string::npos)
        Splice(m, long(nul) + 1, long(m.w.size() - nul), "");
    std::vector<long> stack;
    for (long p = 1; p <= long(m.w.size());) {
        const char c = m.w[p - 1];
        if (c == '(') {
            stack.push_back(p++);
        } else if (c == ')' && !stack.empty()) {
            const long k = stack.back();
            const std::string v = ReduceOperators(Sub(m, k + 1, p - k - 1));
            if (v.empty())
                return "";
            Splice(m, k, p - k + 1, v, NewId());
            p = k + 1;
            stack.pop_back();
        } else if (c == ')') {
            Splice(m, p, 1, "");
        } else if (static_cast<unsigned char>(c) >= 0x80) {
            // A two-byte character goes whole, so none of its bytes is taken for ASCII.
            Splice(m, p, 2, "");
        } else {
            const bool kept = std::string_view("*+-./\\^0123456789").find(c) != std::string_view::npos;
            const bool exponent = (c == 'e' || c == 'E') && (Digit(At(m.w, p - 1)) || At(m.w, p - 1) == '.') &&
                                  (Digit(At(m.w, p + 1)) || (Sign(At(m.w, p + 1)) && Digit(At(m.w, p + 2))));
            if (kept || exponent)
                ++p;
            else
                Splice(m, p, 1, "");
        }
    }
    for (auto it = stack.rbegin(); it != stack.rend(); ++it)
        Splice(m, *it, 1, "");
    return ReduceOperators(m);
}

inline std::string ResolveParentheses(std::string w) { return ResolveParentheses(Marked(std::move(w))); }

// Character starts of w, as a search that steps over two-byte characters sees them.
inline std::vector<bool> CharacterStarts(const std::string& w)
{
    std::vector<bool> starts(w.size(), false);
    for (size_t i = 0; i < w.size(); i += static_cast<unsigned char>(w[i]) >= 0x80 ? 2 : 1)
        starts[i] = true;
    return starts;
}

// Whether t reads as one number in full: sign, digits with at most one point, exponent.
inline bool OneNumber(const std::string& t)
{
    size_t i = 0, digits = 0;
    if (i < t.size() && Sign(t[i]))
        ++i;
    for (; i < t.size() && Digit(t[i]); ++i)
        ++digits;
    if (i < t.size() && t[i] == '.')
        for (++i; i < t.size() && Digit(t[i]); ++i)
            ++digits;
    if (digits == 0)
        return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && Sign(t[i]))
            ++i;
        size_t exponent = 0;
        for (; i < t.size() && Digit(t[i]); ++i)
            ++exponent;
        if (exponent == 0)
            return false;
    }
    return i == t.size();
}

inline std::string EvaluateExpression(std::string input, bool radians = false)
{
    input = input.substr(0, input.find('\0'));
    Marked m;
    for (size_t i = 0; i < input.size(); ++i) {
        const auto c = static_cast<unsigned char>(input[i]);
        if (c < 0x80) {
            m.w += char(c);
        } else if (i + 1 < input.size()) {
            const auto d = static_cast<unsigned char>(input[++i]);
            if (auto a = engine::InputFormToAscii(c, d))
                m.w += *a;
            else
                (m.w += char(c)) += char(d);
        }
    }
    m.id.assign(m.w.size(), 0);
    const char* names[] = {"sin(", "cos(", "tg(", "ctg("};
    for (;;) {
        const std::vector<bool> starts = CharacterStarts(m.w);
        long pos = -1;
        int row = -1;
        for (long i = 0; i < long(m.w.size()); ++i) {
            for (int r = 0; r < 4; ++r) {
                if (starts[i] && m.w.compare(i, std::char_traits<char>::length(names[r]), names[r]) == 0 &&
                    !(r == 2 && i > 0 && m.w[i - 1] == 'c')) {
                    pos = i;
                    row = r;
                }
            }
        }
        if (pos < 0)
            break;
        const long open = pos + long(std::char_traits<char>::length(names[row]));
        long close = -1;
        long depth = 1;
        for (long i = open; i < long(m.w.size());
             i += starts[i] && static_cast<unsigned char>(m.w[i]) >= 0x80 ? 2 : 1) {
            if (m.w[i] == '(')
                ++depth;
            else if (m.w[i] == ')' && --depth == 0) {
                close = i;
                break;
            }
        }
        const long arg_end = close < 0 ? long(m.w.size()) : close;
        const long span_end = close < 0 ? long(m.w.size()) : close + 1;
        if (arg_end == open) {
            Splice(m, pos + 1, span_end - pos, "");
            continue;
        }
        const std::string v = ResolveParentheses(Sub(m, open + 1, arg_end - open));
        if (v.empty())
            return "";
        const double x = Number(v);
        const double u = radians ? x : x * PiApprox / DegreesPerHalfTurn;
        const TypedValue a = TypedValue::Double(u);
        const CommandFn fns[] = {Sine, Cosine, Tangent, Tangent};
        double value = CallCommand(fns[row], 1, &a).AsDouble();
        if (row == 3)
            value = 1.0 / value;
        if (!std::isfinite(value))
            return "";
        Splice(m, pos + 1, span_end - pos, Text(value), NewId());
    }
    const std::string result = ResolveParentheses(m);
    return OneNumber(result) ? result : "";
}

}  // namespace reference
