// The program's procedures: read the boxes, compute, write the boxes. Every call into the
// runtime goes through the service table.
#include "program/Procedures.h"

#include "program/Notes.h"

#include <memory>
#include <string>
#include <string_view>

#include "calc/AngleRatios.h"
#include "calc/EvaluateExpression.h"
#include "calc/Reasons.h"
#include "calc/SideLengths.h"
#include "program/data/MainWindowUnits.h"
#include "values/Commands.h"
#include "values/Gbk.h"
#include "contract/ServiceTable.h"

namespace {

using namespace main_window;

// A text the runtime handed over; it goes back through the table's FreeBlock.
struct GiveBack {
    void operator()(char* text) const { Services().FreeBlock(text); }
};
using ReceivedText = std::unique_ptr<char, GiveBack>;

// An edit box's text: a new text, or null for an empty box.
ReceivedText ReadBox(uint32_t box)
{
    const uint64_t value = Services().GetUnitProperty(kWindow, box, kBoxText, kWholeValue);
    return ReceivedText(reinterpret_cast<char*>(uintptr_t(value)));
}

std::string_view View(const ReceivedText& text) { return text != nullptr ? text.get() : EmptyText; }

// Reads a box and gives its text back at once, keeping a copy.
std::string BoxText(uint32_t box) { return std::string(View(ReadBox(box))); }

// The runtime copies what it keeps; the empty text is written as null.
void WriteBox(uint32_t box, const std::string& text)
{
    const uint64_t value = text.empty() ? 0 : uint64_t(uintptr_t(text.c_str()));
    Services().SetUnitProperty(kWindow, box, kBoxText, kWholeValue, value);
}

// A note at a box on why it shows what it shows; the empty text takes the note away.
void ShowNote(uint32_t box, const std::string& gbk_text)
{
    if (Services().ShowUnitNote != nullptr)
        Services().ShowUnitNote(kWindow, box, gbk_text.c_str());
}

void ShowReason(uint32_t box, Reason reason)
{
    ShowNote(box, reason == Reason::None ? std::string() : Utf8ToGbk(WordingOf(reason).chinese));
}

void ShowAngleWarning(bool shown)
{
    Services().SetUnitProperty(kWindow, kAngleWarning, kPropertyVisible, kWholeValue, shown ? 1 : 0);
}

using AngleFunction = AngleText (*)(std::string_view first_box, std::string_view second_box);

ProcedureResult AngleClick(AngleFunction angle, const char* function, uint32_t first_box, uint32_t second_box,
                           uint32_t result_box)
{
    const std::string first = BoxText(first_box);
    const std::string second = BoxText(second_box);
    const AngleText result = angle(first, second);
    WriteBox(result_box, result.text);
    SetNoteWorking(result_box, AngleWorking(function, first, second, result.text));
    ShowReason(result_box, result.reason);
    return {};
}

}  // namespace

ProcedureResult ArcSineClick(const uint32_t*, int32_t)
{
    return AngleClick(&ArcSineText, "arcsin", kArcSineOpposite, kArcSineHypotenuse, kArcSineResult);
}

ProcedureResult ArcTangentClick(const uint32_t*, int32_t)
{
    return AngleClick(&ArcTangentText, "arctan", kArcTangentOpposite, kArcTangentAdjacent, kArcTangentResult);
}

ProcedureResult ArcCosineClick(const uint32_t*, int32_t)
{
    return AngleClick(&ArcCosineText, "arccos", kArcCosineAdjacent, kArcCosineHypotenuse, kArcCosineResult);
}

ProcedureResult FunctionEvaluateClick(const uint32_t*, int32_t)
{
    const std::string expression = BoxText(kExpression);
    const Evaluation result = EvaluateWithReason(expression);
    WriteBox(kExpressionResult, result.text);
    const std::string working = ExpressionWorking(expression, result, WorkingWords::Chinese());
    SetNoteWorking(kExpressionResult, working);
    // Characters passed over change the answer: that note shows at once, as a reason does.
    if (result.reason != Reason::None)
        ShowReason(kExpressionResult, result.reason);
    else
        ShowNote(kExpressionResult, result.ignored.empty() ? std::string() : Utf8ToGbk(working));
    return {};
}

ProcedureResult SideLengthsClick(const uint32_t*, int32_t)
{
    const std::string angle = BoxText(kAngle);
    const std::string opposite = BoxText(kKnownOpposite);
    const std::string adjacent = BoxText(kKnownAdjacent);
    const std::string hypotenuse = BoxText(kKnownHypotenuse);
    const SideLengths sides = SolveSides(angle, opposite, adjacent, hypotenuse);
    ShowAngleWarning(sides.outcome == SolveOutcome::AngleMissing);
    // The two computed sides first, then the known side as it was typed.
    switch (sides.known) {
    case KnownSide::Opposite:
        WriteBox(kResultAdjacent, sides.adjacent);
        WriteBox(kResultHypotenuse, sides.hypotenuse);
        WriteBox(kResultOpposite, sides.opposite);
        break;
    case KnownSide::Adjacent:
        WriteBox(kResultOpposite, sides.opposite);
        WriteBox(kResultHypotenuse, sides.hypotenuse);
        WriteBox(kResultAdjacent, sides.adjacent);
        break;
    case KnownSide::Hypotenuse:
        WriteBox(kResultAdjacent, sides.adjacent);
        WriteBox(kResultOpposite, sides.opposite);
        WriteBox(kResultHypotenuse, sides.hypotenuse);
        break;
    case KnownSide::None: break;
    }
    if (sides.outcome == SolveOutcome::Solved) {
        const WorkingWords words = WorkingWords::Chinese();
        SetNoteWorking(kResultOpposite, SideWorking(sides.opposite_step, words));
        SetNoteWorking(kResultHypotenuse, SideWorking(sides.hypotenuse_step, words));
        SetNoteWorking(kResultAdjacent, SideWorking(sides.adjacent_step, words));
    }
    // Why a side stays empty; without a usable side the note goes where one is typed.
    ShowReason(kResultOpposite, sides.opposite_reason);
    ShowReason(kResultHypotenuse, sides.hypotenuse_reason);
    ShowReason(kResultAdjacent, sides.adjacent_reason);
    ShowReason(kKnownOpposite, sides.reason == Reason::NoKnownSide ? Reason::NoKnownSide : Reason::None);
    return {};
}

ProcedureResult WindowEventNoOp(const uint32_t*, int32_t) { return {}; }

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
