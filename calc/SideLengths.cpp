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

std::optional<Trig> TrigValue(const char* call_name, std::string_view angle_box)
{
    const std::string_view name(call_name);
    Trig trig{std::string(name.substr(0, name.find('('))), std::string(name), {}};
    trig.call.append(engine::UpToNul(angle_box));
    trig.call.append(CloseParen);
    trig.value = EvaluateExpression(trig.call);
    if (trig.value.empty())
        return std::nullopt;
    return trig;
}

enum class Operation { Multiply, Divide };

// One side computed from the known one: the known side times or over the angle's function.
struct Computed {
    KnownSide side;
    Operation operation;
    const char* const* call;  // the function's call name in the constants block
};

// One row per known side, the first of them above ZeroTolerance being the one taken: the two
// sides it gives.
struct Solution {
    KnownSide known;
    Computed first;
    Computed second;
};

// clang-format off
constexpr Solution kSolutions[] = {
    {KnownSide::Opposite,   {KnownSide::Adjacent, Operation::Divide, &TangentCall},
                            {KnownSide::Hypotenuse, Operation::Divide, &SineCall}},
    {KnownSide::Adjacent,   {KnownSide::Opposite, Operation::Multiply, &TangentCall},
                            {KnownSide::Hypotenuse, Operation::Divide, &CosineCall}},
    {KnownSide::Hypotenuse, {KnownSide::Adjacent, Operation::Multiply, &CosineCall},
                            {KnownSide::Opposite, Operation::Multiply, &SineCall}},
};
// clang-format on

// One result box's text, why it is empty and how it came about.
struct SideResult {
    std::string& text;
    Reason& reason;
    SideStep& step;
};

SideResult ResultOf(SideLengths& sides, KnownSide side)
{
    switch (side) {
    case KnownSide::Opposite: return {sides.opposite, sides.opposite_reason, sides.opposite_step};
    case KnownSide::Adjacent: return {sides.adjacent, sides.adjacent_reason, sides.adjacent_step};
    default: return {sides.hypotenuse, sides.hypotenuse_reason, sides.hypotenuse_step};
    }
}

// One computed side. Without the angle's value, or when the side is not finite (over a tangent
// of 0, or a known side of 1e999), the side is the empty text. Its step keeps the numbers used.
void ComputeSide(const Computed& computed, double known, KnownSide from, const std::optional<Trig>& trig,
                 const SideResult& result)
{
    result.reason = Reason::AngleWithoutValue;
    if (!trig)
        return;
    const double value = TextToNumber(trig->value);
    const bool multiply = computed.operation == Operation::Multiply;
    const double length = multiply ? known * value : known / value;
    result.reason = Reason::SideOverflow;
    if (!std::isfinite(length))
        return;
    result.reason = Reason::None;
    engine::AppendNumberText(result.text, length);
    const std::string call = GbkToUtf8(trig->call);
    result.step = {.side = computed.side,
                   .from = from,
                   .multiply = multiply,
                   .call = trig->name + call.substr(call.find('(')),
                   .known = {},
                   .trig = trig->value,
                   .result = result.text};
    engine::AppendNumberText(result.step.known, known);
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
    const auto box = [&](KnownSide side) {
        return side == KnownSide::Opposite   ? opposite_box
               : side == KnownSide::Adjacent ? adjacent_box
                                             : hypotenuse_box;
    };
    const Solution* solution = nullptr;
    for (const Solution& row : kSolutions) {
        if (BoxNumber(box(row.known)) > ZeroTolerance) {
            solution = &row;
            break;
        }
    }
    if (!solution) {
        sides.reason = Reason::NoKnownSide;
        return sides;
    }
    const double known = BoxNumber(box(solution->known));
    for (const Computed& computed : {solution->first, solution->second})
        ComputeSide(computed, known, solution->known, TrigValue(*computed.call, angle_box),
                    ResultOf(sides, computed.side));
    const SideResult copy = ResultOf(sides, solution->known);
    copy.text = engine::UpToNul(box(solution->known));
    copy.step = Copied(solution->known);
    sides.known = solution->known;
    sides.outcome = SolveOutcome::Solved;
    return sides;
}
