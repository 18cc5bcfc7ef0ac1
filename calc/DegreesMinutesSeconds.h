#pragma once
// An angle in degrees as degrees, minutes and seconds to the hundredth of a second, rounded
// once on the whole so that a carry goes up through the seconds and the minutes:
//   36.8698976469 -> "36°52′11.63″"     59.9999999 -> "60°00′00.00″"     -0.5 -> "-0°30′00.00″"
// Empty for a value that is not a finite number, or too large for a hundredth of a second to
// mean anything (10^12 degrees and beyond).
#include <string>

std::string DegreesMinutesSeconds(double degrees);
