#pragma once
// Evaluates a text of numbers and the operators "^", "*", "/", "+", "-" by rewriting it: three
// passes (powers, products, sums), each operation replaced by ToText of its value, every
// operator left-associative, a "-" in front the sign of the first number. A text without an
// operator comes back as it is. Failure is the empty text: a divisor of magnitude at most
// 1e-7, or an operand or value that is not finite.
//   "1+2*3^2-4/2" -> "17"     "2^3^2" -> "64"     "-2^2" -> "4"     "007" -> "007"     "5/0" -> ""
//
// Numbers are read from ASCII bytes; the expression engine only ever hands it such texts.
#include <string>
#include <string_view>

std::string ReduceOperators(std::string_view expression);
