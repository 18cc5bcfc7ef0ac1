// The triangle solver: one acute angle and one side give the other two sides.
#include "calc/SideLengths.h"

#include <cmath>
#include <optional>

#include "calc/EngineBytes.h"
#include "calc/EvaluateExpression.h"
#include "values/Constants.h"
#include "values/Number.h"

namespace {

// The angle's sine, cosine or tangent: the call text is evaluated like a typed expression, so
// the value comes back rounded to 13 significant digits. None when the engine gives nothing.
std::optional<double> TrigValue(const char* call_name, std::string_view angle_box)
{
    std::string call(call_name);
    call.append(engine::UpToNul(angle_box));
    call.append(CloseParen);
    const std::string value = EvaluateExpression(call);
    if (value.empty())
        return std::nullopt;
    return TextToNumber(value);
}

enum class Operation { Multiply, Divide };

// One computed side: the known side times or over a trigonometric value. Without that value,
// or when the side is not finite (over a tangent of 0, or a known side of 1e999), the side is
// the empty text.
std::string SideText(double known, Operation operation, std::optional<double> trig, Reason& reason)
{
    reason = Reason::AngleWithoutValue;
    if (!trig)
        return {};
    const double side = operation == Operation::Multiply ? known * *trig : known / *trig;
    reason = Reason::SideOverflow;
    if (!std::isfinite(side))
        return {};
    reason = Reason::None;
    std::string text;
    engine::AppendNumberText(text, side);
    return text;
}

// A box's number with × ÷ 。 as an input method types them read as ASCII.
double BoxNumber(std::string_view box) { return TextToNumber(engine::InputText(box)); }

}  // namespace

SideLengths SolveSides(std::string_view angle_box, std::string_view opposite_box,
                       std::string_view adjacent_box, std::string_view hypotenuse_box)
{
    SideLengths sides;
    if (std::fabs(BoxNumber(angle_box)) <= ZeroTolerance) {
        sides.outcome = SolveOutcome::AngleMissing;
        sides.reason = Reason::AngleRequired;
        return sides;
    }
    const double opposite = BoxNumber(opposite_box);
    const double adjacent = BoxNumber(adjacent_box);
    const double hypotenuse = BoxNumber(hypotenuse_box);
    if (opposite > ZeroTolerance) {
        sides.adjacent = SideText(opposite, Operation::Divide, TrigValue(TangentCall, angle_box),
                                  sides.adjacent_reason);
        sides.hypotenuse = SideText(opposite, Operation::Divide, TrigValue(SineCall, angle_box),
                                    sides.hypotenuse_reason);
        sides.opposite = engine::UpToNul(opposite_box);
        sides.known = KnownSide::Opposite;
    } else if (adjacent > ZeroTolerance) {
        sides.opposite = SideText(adjacent, Operation::Multiply, TrigValue(TangentCall, angle_box),
                                  sides.opposite_reason);
        sides.hypotenuse = SideText(adjacent, Operation::Divide, TrigValue(CosineCall, angle_box),
                                    sides.hypotenuse_reason);
        sides.adjacent = engine::UpToNul(adjacent_box);
        sides.known = KnownSide::Adjacent;
    } else if (hypotenuse > ZeroTolerance) {
        sides.adjacent = SideText(hypotenuse, Operation::Multiply, TrigValue(CosineCall, angle_box),
                                  sides.adjacent_reason);
        sides.opposite = SideText(hypotenuse, Operation::Multiply, TrigValue(SineCall, angle_box),
                                  sides.opposite_reason);
        sides.hypotenuse = engine::UpToNul(hypotenuse_box);
        sides.known = KnownSide::Hypotenuse;
    } else {
        sides.reason = Reason::NoKnownSide;
        return sides;
    }
    sides.outcome = SolveOutcome::Solved;
    return sides;
}
