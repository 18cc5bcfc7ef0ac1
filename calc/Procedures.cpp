// The program's procedures: read the boxes, compute, write the boxes. Every call into the
// runtime goes through the service table.
#include "calc/Procedures.h"

#include <cmath>
#include <memory>
#include <string>
#include <string_view>

#include "calc/EvaluateExpression.h"
#include "values/Commands.h"
#include "values/Constants.h"
#include "values/ServiceTable.h"

namespace {

using namespace units;

// A text the runtime handed over; it goes back through the table's FreeBlock.
struct GiveBack {
    void operator()(char* text) const { Services().FreeBlock(text); }
};
using ReceivedText = std::unique_ptr<char, GiveBack>;

// An edit box's text: a new text, or null for an empty box.
ReceivedText ReadBox(uint32_t box)
{
    const uint64_t value = Services().GetUnitProperty(kMainWindow, box, kTextProperty, kWholeValue);
    return ReceivedText(reinterpret_cast<char*>(uintptr_t(value)));
}

std::string_view View(const ReceivedText& text) { return text != nullptr ? text.get() : EmptyText; }

// Reads a box and gives its text back at once, keeping a copy.
std::string BoxText(uint32_t box) { return std::string(View(ReadBox(box))); }

// The runtime copies what it keeps; the empty text is written as null.
void WriteBox(uint32_t box, const std::string& text)
{
    const uint64_t value = text.empty() ? 0 : uint64_t(uintptr_t(text.c_str()));
    Services().SetUnitProperty(kMainWindow, box, kTextProperty, kWholeValue, value);
}

void ShowAngleWarning(bool shown)
{
    Services().SetUnitProperty(kMainWindow, kAngleWarning, kVisibleProperty, kWholeValue, shown ? 1 : 0);
}

// ---- interim computations: replaced by the calculator's own once they are in calc/ ----

TypedValue Call(CommandFn command, TypedValue argument) { return Services().CallCommand(command, 1, &argument); }

std::string Format(double value)
{
    const TypedValue text = Call(&ToText, TypedValue::Double(value));
    ReceivedText owned(reinterpret_cast<char*>(text.AsAddress()));
    return std::string(View(owned));
}

float TextToFloat(std::string_view text) { return Call(&ToFloat, TypedValue::Text(std::string(text).c_str())).AsFloat(); }
double TextToNumber(std::string_view text) { return Call(&ToNumber, TypedValue::Text(std::string(text).c_str())).AsDouble(); }

// Out of range (or NaN): no angle. Just beyond ±1 but inside the tolerance: exactly ±1.
bool RatioInRange(double& x)
{
    if (!((x - MinusOne) >= -ZeroTolerance && (x - PlusOne) <= ZeroTolerance))
        return false;
    x = std::fmax(MinusOne, std::fmin(PlusOne, x));
    return true;
}

double RatioArcSine(double x) { return std::atan(x / std::sqrt(PlusOne - x * x)); }

std::string Degrees(double radians)
{
    double d = radians * DegreesPerHalfTurn;
    d = d / PiApprox;
    return Format(d);
}

enum class Angle { Sine, Tangent, Cosine };

std::string AngleFromSides(Angle angle, std::string_view first, std::string_view second)
{
    const float a = TextToFloat(first);
    const float b = TextToFloat(second);
    double x = double(a) / double(b);
    if (angle == Angle::Tangent)
        return Degrees(std::atan2(x, 1.0));
    if (!RatioInRange(x))
        return {};
    return Degrees(angle == Angle::Sine ? RatioArcSine(x) : HalfPiApprox - RatioArcSine(x));
}

// ---------------------------------------------------------------------------------------

ProcedureResult AngleClick(Angle angle, uint32_t first_box, uint32_t second_box, uint32_t result_box)
{
    const std::string first = BoxText(first_box);
    const std::string second = BoxText(second_box);
    WriteBox(result_box, AngleFromSides(angle, first, second));
    return {};
}

// The solver's value of a trigonometric call of the angle box, or nothing when the
// evaluation fails.
bool AngleRatio(const char* call, const std::string& angle, double& ratio)
{
    const std::string value = EvaluateExpression(std::string(call) + angle + CloseParen);
    ratio = TextToNumber(value);
    return !value.empty();
}

std::string SideOrNothing(bool have_ratio, double side) { return have_ratio ? Format(side) : std::string(); }

}  // namespace

ProcedureResult ArcSineClick(const uint32_t*, int32_t)
{
    return AngleClick(Angle::Sine, kArcSineOpposite, kArcSineHypotenuse, kArcSineResult);
}

ProcedureResult ArcTangentClick(const uint32_t*, int32_t)
{
    return AngleClick(Angle::Tangent, kArcTangentOpposite, kArcTangentAdjacent, kArcTangentResult);
}

ProcedureResult ArcCosineClick(const uint32_t*, int32_t)
{
    return AngleClick(Angle::Cosine, kArcCosineAdjacent, kArcCosineHypotenuse, kArcCosineResult);
}

ProcedureResult FunctionEvaluateClick(const uint32_t*, int32_t)
{
    const std::string result = EvaluateExpression(BoxText(kExpression));
    WriteBox(kExpressionResult, result);
    return {};
}

ProcedureResult SideLengthsClick(const uint32_t*, int32_t)
{
    const std::string angle = BoxText(kAngle);
    if (std::fabs(TextToNumber(angle)) <= ZeroTolerance) {
        ShowAngleWarning(true);
        return {};
    }
    ShowAngleWarning(false);
    double ratio = 0;
    bool have = false;
    if (const double k = TextToNumber(BoxText(kKnownOpposite)); k > ZeroTolerance) {
        have = AngleRatio(TangentCall, angle, ratio);
        WriteBox(kResultAdjacent, SideOrNothing(have, k / ratio));
        have = AngleRatio(SineCall, angle, ratio);
        WriteBox(kResultHypotenuse, SideOrNothing(have, k / ratio));
        WriteBox(kResultOpposite, BoxText(kKnownOpposite));
    } else if (const double k = TextToNumber(BoxText(kKnownAdjacent)); k > ZeroTolerance) {
        have = AngleRatio(TangentCall, angle, ratio);
        WriteBox(kResultOpposite, SideOrNothing(have, k * ratio));
        have = AngleRatio(CosineCall, angle, ratio);
        WriteBox(kResultHypotenuse, SideOrNothing(have, k / ratio));
        WriteBox(kResultAdjacent, BoxText(kKnownAdjacent));
    } else if (const double k = TextToNumber(BoxText(kKnownHypotenuse)); k > ZeroTolerance) {
        have = AngleRatio(CosineCall, angle, ratio);
        WriteBox(kResultAdjacent, SideOrNothing(have, k * ratio));
        have = AngleRatio(SineCall, angle, ratio);
        WriteBox(kResultOpposite, SideOrNothing(have, k * ratio));
        WriteBox(kResultHypotenuse, BoxText(kKnownHypotenuse));
    }
    return {};
}

ProcedureResult WindowEventNoOp(const uint32_t*, int32_t) { return {}; }

ProcedureResult ReturnZero(const uint32_t*, int32_t) { return {true, 0}; }

void GlobalsInit() {}

int StartupProcedure() { return 0; }

void ExitProcedure() {}

ProcedureArea ProgramProcedures()
{
    static constexpr Procedure area[kProcedureAreaSize] = {
        &ArcTangentClick,        // offset 0
        &ArcSineClick,           // 1
        &ArcCosineClick,         // 2
        &FunctionEvaluateClick,  // 3
        &SideLengthsClick,       // 4
        &WindowEventNoOp,        // 5
    };
    return area;
}
