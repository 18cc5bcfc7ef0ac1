// The triangle solver: one acute angle and one side give the other two sides.
#include "calc/SideLengths.h"

#include <cmath>
#include <optional>

#include "calc/EngineBytes.h"
#include "calc/EvaluateExpression.h"
#include "values/Constants.h"
#include "values/Gbk.h"
#include "values/Number.h"

std::string SideWorking(const SideStep& step, const WorkingWords& words)
{
    const auto name = [&](KnownSide side) {
        return words[side == KnownSide::Opposite   ? WorkingWord::Opposite
                     : side == KnownSide::Adjacent ? WorkingWord::Adjacent
                                                   : WorkingWord::Hypotenuse];
    };
    if (step.side == KnownSide::None)
        return {};
    if (step.from == KnownSide::None)
        return words[WorkingWord::Copied];
    const char* sign = step.multiply ? " × " : " ÷ ";
    return std::string(name(step.side)) + " = " + name(step.from) + sign + step.call + " = " + step.known +
           sign + step.trig + " = " + step.result + "\n" + words[WorkingWord::Pi];
}

namespace {

// The angle's sine, cosine or tangent: the call text is evaluated like a typed expression, so
// the value comes back rounded to 13 significant digits, the text kept for the working. None
// when the engine gives nothing.
struct Trig {
    std::string name;  // as the working writes the call
    std::string call;  // GBK
    std::string value;
};

std::optional<Trig> TrigValue(const char* call_name, const char* name, std::string_view angle_box)
{
    Trig trig{name, call_name, {}};
    trig.call.append(engine::UpToNul(angle_box));
    trig.call.append(CloseParen);
    trig.value = EvaluateExpression(trig.call);
    if (trig.value.empty())
        return std::nullopt;
    return trig;
}

enum class Operation { Multiply, Divide };

// One computed side: the known side times or over a trigonometric value. Without that value,
// or when the side is not finite (over a tangent of 0, or a known side of 1e999), the side is
// the empty text. Its step keeps the numbers used.
std::string SideText(double known, Operation operation, const std::optional<Trig>& trig, Reason& reason,
                     SideStep& step, KnownSide side, KnownSide from)
{
    reason = Reason::AngleWithoutValue;
    if (!trig)
        return {};
    const double value = TextToNumber(trig->value);
    const double length = operation == Operation::Multiply ? known * value : known / value;
    reason = Reason::SideOverflow;
    if (!std::isfinite(length))
        return {};
    reason = Reason::None;
    std::string text;
    engine::AppendNumberText(text, length);
    const std::string call = GbkToUtf8(trig->call);
    step = {side,        from, operation == Operation::Multiply, trig->name + call.substr(call.find('(')), {},
            trig->value, text};
    engine::AppendNumberText(step.known, known);
    return text;
}

SideStep Copied(KnownSide side) { return {side, KnownSide::None, false, {}, {}, {}, {}}; }

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
    const auto tangent = [&] { return TrigValue(TangentCall, "tg", angle_box); };
    const auto sine = [&] { return TrigValue(SineCall, "sin", angle_box); };
    const auto cosine = [&] { return TrigValue(CosineCall, "cos", angle_box); };
    if (opposite > ZeroTolerance) {
        sides.adjacent = SideText(opposite, Operation::Divide, tangent(), sides.adjacent_reason,
                                  sides.adjacent_step, KnownSide::Adjacent, KnownSide::Opposite);
        sides.hypotenuse = SideText(opposite, Operation::Divide, sine(), sides.hypotenuse_reason,
                                    sides.hypotenuse_step, KnownSide::Hypotenuse, KnownSide::Opposite);
        sides.opposite = engine::UpToNul(opposite_box);
        sides.opposite_step = Copied(KnownSide::Opposite);
        sides.known = KnownSide::Opposite;
    } else if (adjacent > ZeroTolerance) {
        sides.opposite = SideText(adjacent, Operation::Multiply, tangent(), sides.opposite_reason,
                                  sides.opposite_step, KnownSide::Opposite, KnownSide::Adjacent);
        sides.hypotenuse = SideText(adjacent, Operation::Divide, cosine(), sides.hypotenuse_reason,
                                    sides.hypotenuse_step, KnownSide::Hypotenuse, KnownSide::Adjacent);
        sides.adjacent = engine::UpToNul(adjacent_box);
        sides.adjacent_step = Copied(KnownSide::Adjacent);
        sides.known = KnownSide::Adjacent;
    } else if (hypotenuse > ZeroTolerance) {
        sides.adjacent = SideText(hypotenuse, Operation::Multiply, cosine(), sides.adjacent_reason,
                                  sides.adjacent_step, KnownSide::Adjacent, KnownSide::Hypotenuse);
        sides.opposite = SideText(hypotenuse, Operation::Multiply, sine(), sides.opposite_reason,
                                  sides.opposite_step, KnownSide::Opposite, KnownSide::Hypotenuse);
        sides.hypotenuse = engine::UpToNul(hypotenuse_box);
        sides.hypotenuse_step = Copied(KnownSide::Hypotenuse);
        sides.known = KnownSide::Hypotenuse;
    } else {
        sides.reason = Reason::NoKnownSide;
        return sides;
    }
    sides.outcome = SolveOutcome::Solved;
    return sides;
}
