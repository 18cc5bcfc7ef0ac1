#pragma once
// The expression engine: texts in, texts out, GBK bytes. Failure is the empty text.
//
//   EvaluateExpression("sin(30)")     -> "0.499999999987"   (degrees, pi taken as 3.1415926535)
//   EvaluateExpression("2*tg(45)+1")  -> "2.99999999991"
//   EvaluateExpression("007")         -> "007"              (no operator: not reformatted)
//   EvaluateExpression("1/0")         -> ""
#include <string>
#include <string_view>

enum class AngleUnit { Degrees, Radians };

// Maps full-width forms to ASCII, expands every call of sin(, cos(, tg( and ctg( from the
// innermost out (each call's argument runs to the ")" matching its "(", or to the end of the
// text when there is none; an empty argument makes the call vanish), then resolves the rest
// with ResolveParentheses. A call whose argument fails, or whose value is not finite, fails
// the whole evaluation.
std::string EvaluateExpression(std::string_view expression, AngleUnit unit = AngleUnit::Degrees);
