// The three angle computations and the two ratio helpers they need: only an arctangent
// exists among the math commands, so arcsine and arccosine are built from it.
#include "calc/AngleRatios.h"

#include <algorithm>
#include <cmath>

#include "calc/DegreesMinutesSeconds.h"
#include "calc/EngineBytes.h"
#include "values/Commands.h"
#include "values/Constants.h"
#include "values/Gbk.h"
#include "values/Number.h"

namespace {

// A box text read by ToFloat, with × ÷ 。 as an input method types them made ASCII first.
float BoxFloat(std::string_view box)
{
    const std::string text = engine::InputText(box);
    const TypedValue argument = TypedValue::Text(text.c_str());
    return CallCommand(ToFloat, 1, &argument).AsFloat();
}

// The ratio of two boxes: two singles divided in double precision, with no test first.
double BoxRatio(std::string_view numerator_box, std::string_view denominator_box)
{
    return double(BoxFloat(numerator_box)) / double(BoxFloat(denominator_box));
}

bool OutOfRange(double x)
{
    return std::isnan(x) || (x - MinusOne) < -ZeroTolerance || (x - PlusOne) > ZeroTolerance;
}

// Radians to degrees in two roundings, as the result boxes show them.
std::string DegreesText(double radians)
{
    double degrees = radians * DegreesPerHalfTurn;
    degrees = degrees / PiApprox;
    std::string text;
    engine::AppendNumberText(text, degrees);
    return text;
}

// The angle's text, or the empty text with why there is no angle.
AngleText DegreesText(double ratio, std::optional<double> radians)
{
    if (std::isnan(ratio))
        return {.reason = Reason::NoRatio};
    if (!radians)
        return {.reason = Reason::RatioOutOfRange};
    return {.text = DegreesText(*radians)};
}

}  // namespace

std::optional<double> RatioArcSine(double x)
{
    if (OutOfRange(x))
        return std::nullopt;
    // Within the slack beyond +-1, 1 - x*x would be negative and its root not a number.
    x = std::clamp(x, MinusOne, PlusOne);
    const double square = x * x;
    const double s = CallMath(SquareRoot, PlusOne - square);
    return CallMath(Arctangent, x / s);  // x = +-1 gives +-infinity, whose arctangent is +-pi/2
}

std::optional<double> RatioArcCosine(double x)
{
    if (OutOfRange(x))
        return std::nullopt;
    return HalfPiApprox - *RatioArcSine(x);
}

AngleText ArcSineText(std::string_view opposite_box, std::string_view hypotenuse_box)
{
    const double ratio = BoxRatio(opposite_box, hypotenuse_box);
    return DegreesText(ratio, RatioArcSine(ratio));
}

// A ratio that is not a number (0 over 0, both boxes empty) has no angle; one over 0 is 90°.
AngleText ArcTangentText(std::string_view opposite_box, std::string_view adjacent_box)
{
    const double ratio = BoxRatio(opposite_box, adjacent_box);
    return DegreesText(ratio, CallMath(Arctangent, ratio));
}

AngleText ArcCosineText(std::string_view adjacent_box, std::string_view hypotenuse_box)
{
    const double ratio = BoxRatio(adjacent_box, hypotenuse_box);
    return DegreesText(ratio, RatioArcCosine(ratio));
}

namespace {

// A typed ratio shows this many bytes at most, its two ends around "…": a pasted megabyte is in
// its box, and a note or description that repeats it is read by nobody.
constexpr size_t kTypedShown = 120;

// The typed text as the working shows it (UTF-8), cut between the GBK text's characters.
std::string ShownTyped(std::string_view gbk)
{
    gbk = engine::UpToNul(gbk);
    if (gbk.size() <= kTypedShown)
        return GbkToUtf8(gbk);
    size_t head = 0, tail = 0;
    for (size_t at = 0; at < gbk.size();) {
        const size_t next = at + (static_cast<unsigned char>(gbk[at]) >= 0x80 ? 2 : 1);
        if (next <= kTypedShown / 2)
            head = next;
        if (tail == 0 && gbk.size() - at <= kTypedShown / 2)
            tail = at;
        at = next;
    }
    if (tail == 0)
        tail = gbk.size();
    return GbkToUtf8(gbk.substr(0, head)) + "…" + GbkToUtf8(gbk.substr(tail));
}

}  // namespace

std::string AngleWorking(const char* function, std::string_view first_box, std::string_view second_box,
                         std::string_view result)
{
    if (result.empty())
        return {};
    const std::string degrees = DegreesMinutesSeconds(TextToNumber(result));
    std::string working = std::string(function) + "(" + ShownTyped(first_box) + " ÷ " +
                          ShownTyped(second_box) + ") = " + std::string(result) + "°";
    if (!degrees.empty())
        working += "\n= " + degrees;
    return working;
}
