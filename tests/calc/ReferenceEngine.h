#pragma once
// A slow, literal rewriting of the expression engine, for checking the real one: every step
// works on a whole std::string, positions are 1-based as in the rules, the boundary stack is a
// real stack, calls are found by searching for the rightmost call name again after each
// expansion. Quadratic at best; only for short texts.
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "values/Commands.h"
#include "values/Constants.h"
#include "values/Number.h"
#include "values/NumberText.h"

namespace reference {

inline bool Digit(char c) { return c >= '0' && c <= '9'; }
inline char At(const std::string& w, long p) { return p >= 1 && p <= long(w.size()) ? w[p - 1] : '\0'; }
inline std::string Text(double v)
{
    char b[kNumberTextSize];
    return std::string(b, FormatDouble(v, b));
}
inline double Number(std::string_view t) { return TextToNumber(std::string(t)); }

// The sign at p belongs to an exponent.
inline bool ExponentSign(const std::string& w, long p)
{
    const char c = At(w, p);
    return (c == '+' || c == '-') && (At(w, p - 1) == 'e' || At(w, p - 1) == 'E') &&
           (Digit(At(w, p - 2)) || At(w, p - 2) == '.') && Digit(At(w, p + 1));
}

// The operation at p with its left operand from `start`; false on failure.
inline bool Operate(std::string& w, long start, long p)
{
    const std::string left = w.substr(start - 1, p - start);
    const std::string rest = w.substr(p);
    const double x = Number(left);
    size_t used = 0;
    ReadDecimal(rest, &used);
    const double written_y = Number(rest);
    if (!std::isfinite(x) || !std::isfinite(written_y))
        return false;
    const double y = Number(Text(written_y));
    std::string result;
    double v = 0;
    switch (w[p - 1]) {
    case '^': {
        const TypedValue a[2] = {TypedValue::Double(x), TypedValue::Double(y)};
        v = CallCommand(Power, 2, a).AsDouble();
        break;
    }
    case '*': v = x * y; break;
    case '/':
        if (std::fabs(y) <= ZeroTolerance)
            return false;
        if (std::fabs(x) <= ZeroTolerance)
            result = "0";
        else
            v = x / y;
        break;
    case '+': v = x + y; break;
    default: v = x - y; break;
    }
    if (result.empty()) {
        if (!std::isfinite(v))
            return false;
        result = Text(v);
    }
    w.replace(start - 1, (p - start) + 1 + used, result);
    return true;
}

inline bool BoundaryPass(std::string& w, std::string_view reduced, std::string_view pushed)
{
    std::vector<long> stack;
    for (long p = 1; p <= long(w.size());) {
        const char c = w[p - 1];
        const bool sign_ok = !((c == '-' && p == 1) || ExponentSign(w, p));
        if (pushed.find(c) != std::string_view::npos && sign_ok) {
            stack.push_back(p);
            ++p;
        } else if (reduced.find(c) != std::string_view::npos) {
            const long start = stack.empty() ? 1 : stack.back() + 1;
            if (!Operate(w, start, p))
                return false;
            p = start;
        } else {
            ++p;
        }
    }
    return true;
}

inline std::string ReduceOperators(std::string w)
{
    if (w.empty())
        return "";
    if (w.find('^') != std::string::npos && !BoundaryPass(w, "^", "+*/-"))
        return "";
    if (w.find_first_of("*/") != std::string::npos && !BoundaryPass(w, "*/", "+-"))
        return "";
    for (long p = 1; p <= long(w.size());) {
        const char c = w[p - 1];
        if ((c == '+' || (c == '-' && p > 1)) && !ExponentSign(w, p)) {
            if (!Operate(w, 1, p))
                return "";
            p = 1;
        } else {
            ++p;
        }
    }
    return w;
}

inline std::string ResolveParentheses(std::string w)
{
    w = w.substr(0, w.find('\0'));
    std::vector<long> stack;
    for (long p = 1; p <= long(w.size());) {
        const char c = w[p - 1];
        if (c == '(') {
            stack.push_back(p++);
        } else if (c == ')' && !stack.empty()) {
            const long k = stack.back();
            const std::string v = ReduceOperators(w.substr(k, p - k - 1));
            if (v.empty())
                return "";
            w.replace(k - 1, p - k + 1, v);
            p = k + 1;
            stack.pop_back();
        } else if (c == ')') {
            w.erase(p - 1, 1);
        } else {
            const bool kept = std::string_view("*+-./\\^0123456789").find(c) != std::string_view::npos;
            const bool exponent = (c == 'e' || c == 'E') && (Digit(At(w, p - 1)) || At(w, p - 1) == '.') &&
                                  (Digit(At(w, p + 1)) || ((At(w, p + 1) == '+' || At(w, p + 1) == '-') && Digit(At(w, p + 2))));
            if (kept || exponent)
                ++p;
            else
                w.erase(p - 1, 1);
        }
    }
    for (auto it = stack.rbegin(); it != stack.rend(); ++it)
        w.erase(*it - 1, 1);
    return ReduceOperators(w);
}

// Character starts of w, as a search that steps over two-byte characters sees them.
inline std::vector<bool> CharacterStarts(const std::string& w)
{
    std::vector<bool> starts(w.size(), false);
    for (size_t i = 0; i < w.size(); i += static_cast<unsigned char>(w[i]) >= 0x80 ? 2 : 1)
        starts[i] = true;
    return starts;
}

inline std::string EvaluateExpression(std::string input, bool radians = false)
{
    input = input.substr(0, input.find('\0'));
    std::string w;
    for (size_t i = 0; i < input.size(); ++i) {
        const auto c = static_cast<unsigned char>(input[i]);
        if (c < 0x80) {
            w += char(c);
        } else if (i + 1 < input.size()) {
            const auto d = static_cast<unsigned char>(input[++i]);
            if (auto a = FullWidthToAscii(c, d))
                w += *a;
            else
                (w += char(c)) += char(d);
        }
    }
    const char* names[] = {"sin(", "cos(", "tg(", "ctg("};
    for (;;) {
        const std::vector<bool> starts = CharacterStarts(w);
        long pos = -1;
        int row = -1;
        for (long i = 0; i < long(w.size()); ++i) {
            for (int r = 0; r < 4; ++r) {
                if (starts[i] && w.compare(i, std::char_traits<char>::length(names[r]), names[r]) == 0 &&
                    !(r == 2 && i > 0 && w[i - 1] == 'c')) {
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
        for (long i = open; i < long(w.size()); i += starts[i] && static_cast<unsigned char>(w[i]) >= 0x80 ? 2 : 1) {
            if (w[i] == '(')
                ++depth;
            else if (w[i] == ')' && --depth == 0) {
                close = i;
                break;
            }
        }
        const long arg_end = close < 0 ? long(w.size()) : close;
        const long span_end = close < 0 ? long(w.size()) : close + 1;
        const std::string arg = w.substr(open, arg_end - open);
        if (arg.empty()) {
            w.erase(pos, span_end - pos);
            continue;
        }
        const std::string v = ResolveParentheses(arg);
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
        w.replace(pos, span_end - pos, Text(value));
    }
    return ResolveParentheses(w);
}

}  // namespace reference
