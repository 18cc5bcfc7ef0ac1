#pragma once
// The angle of a right triangle from two side lengths, in degrees, as the three angle buttons
// write it into their result box. Box texts are read as single-precision numbers; the angle
// is converted with PiApprox, so 30 degrees shows as 30.00000000086.
//   ArcSineText("1", "2")    -> {"30.00000000086"}   ArcCosineText("1", "1") -> {"-2.572381737566e-009"}
//   ArcTangentText("1", "")  -> {"90.00000000257"}   ArcTangentText("", "")  -> {"", NoRatio}
//   ArcSineText("2", "1")    -> {"", RatioOutOfRange}   (no angle has that sine)
// Boxes are read with × ÷ 。 and full-width forms as ASCII: "0。5" is 0.5.
#include <optional>
#include <string>
#include <string_view>

#include "calc/Reasons.h"

// The arcsine of a ratio, in radians, built on the arctangent; none when x lies outside
// [-1 - ZeroTolerance, 1 + ZeroTolerance] or is not a number. A ratio within that slack but
// beyond +-1 is taken as exactly +-1.
std::optional<double> RatioArcSine(double x);
// HalfPiApprox less the arcsine; none under the same test.
std::optional<double> RatioArcCosine(double x);

// The text a button writes, and when it is empty why: NoRatio when the ratio is not a number
// (both sides 0 or empty), RatioOutOfRange when no angle has that sine or cosine.
struct AngleText {
    std::string text;
    Reason reason = Reason::None;
};

// The texts the three buttons write, from the texts of their two input boxes.
AngleText ArcSineText(std::string_view opposite_box, std::string_view hypotenuse_box);
AngleText ArcTangentText(std::string_view opposite_box, std::string_view adjacent_box);
AngleText ArcCosineText(std::string_view adjacent_box, std::string_view hypotenuse_box);

// How an angle box got its text (UTF-8): the ratio as typed with the function, the degrees,
// and the same in degrees, minutes and seconds. Empty for an empty result.
//   AngleWorking("arcsin", "3", "5", "36.8698976469") -> "arcsin(3 ÷ 5) = 36.8698976469°\n= 36°52′11.63″"
std::string AngleWorking(const char* function, std::string_view first_box, std::string_view second_box,
                         std::string_view result);
