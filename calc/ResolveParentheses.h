#pragma once
// Filters an expression byte by byte (keeping digits, ".", "*", "+", "-", "/", "^", the
// backslash, and "e"/"E" inside a written exponent) and replaces each parenthesised group,
// innermost first, by the text of its value; unmatched parentheses are dropped. The rest is
// reduced by ReduceOperators. Failure is the empty text.
//   "((1+2)*(3+4))^2" -> "441"     "(1+2)(3+4)" -> "37"     "1,5+1" -> "16"     "1+()" -> ""
#include <string>
#include <string_view>

std::string ResolveParentheses(std::string_view expression);
