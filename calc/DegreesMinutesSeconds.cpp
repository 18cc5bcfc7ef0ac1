#include "calc/DegreesMinutesSeconds.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

constexpr double kLargest = 1e12;
constexpr int64_t kHundredthsPerDegree = 60 * 60 * 100;

}  // namespace

std::string DegreesMinutesSeconds(double degrees)
{
    if (!std::isfinite(degrees) || std::fabs(degrees) >= kLargest)
        return {};
    const int64_t hundredths = std::llround(std::fabs(degrees) * double(kHundredthsPerDegree));
    const int64_t whole = hundredths / kHundredthsPerDegree;
    const int64_t minutes = hundredths / 6000 % 60;
    const int64_t seconds = hundredths % 6000;
    // A value that rounds to nothing keeps no sign.
    const bool negative = degrees < 0 && hundredths != 0;
    char text[64];
    std::snprintf(text, sizeof text, "%s%lld°%02lld′%02lld.%02lld″", negative ? "-" : "",
                  static_cast<long long>(whole), static_cast<long long>(minutes),
                  static_cast<long long>(seconds / 100), static_cast<long long>(seconds % 100));
    return text;
}
