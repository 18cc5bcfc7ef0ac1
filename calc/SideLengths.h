#pragma once
// The triangle solver behind the side-length button: from an angle in degrees and one known
// side, the three result boxes. Sines, cosines and tangents come from EvaluateExpression with
// the angle box's text as the argument, so the angle may be any expression that begins with a
// nonzero number.
//   angle "30", opposite "1"    -> opposite "1", hypotenuse "2.000000000052", adjacent "1.732050807629"
//   angle "0.5/0", opposite "1" -> opposite "1", hypotenuse "", adjacent ""   (no tangent: empty)
#include <string>
#include <string_view>

#include "calc/Reasons.h"

enum class SolveOutcome {
    AngleMissing,  // the angle's leading number is within ZeroTolerance of 0: show the warning
    NoKnownSide,   // no side above ZeroTolerance: hide the warning, leave the results alone
    Solved,        // hide the warning, write the three result boxes
};

// Which side was known; the button writes the two computed sides first, then the copy.
enum class KnownSide { None, Opposite, Adjacent, Hypotenuse };

// How one result side came about: copied from the known side, or the known side (from) times or
// over the trigonometric value of the angle; the texts UTF-8.
struct SideStep {
    KnownSide side = KnownSide::None;  // None: the box was left empty
    KnownSide from = KnownSide::None;  // None: this is the known side, copied
    bool multiply = false;
    std::string call;  // "tg(30)"
    std::string known;
    std::string trig;
    std::string result;
};

struct SideLengths {
    SolveOutcome outcome = SolveOutcome::NoKnownSide;
    KnownSide known = KnownSide::None;
    // The result boxes' texts when solved. The known side is copied as typed; a side whose
    // trigonometric value cannot be evaluated is the empty text.
    std::string opposite;
    std::string hypotenuse;
    std::string adjacent;
    // Why: AngleRequired or NoKnownSide for the outcome; AngleWithoutValue or SideOverflow for
    // a result side left empty.
    Reason reason = Reason::None;
    Reason opposite_reason = Reason::None;
    Reason hypotenuse_reason = Reason::None;
    Reason adjacent_reason = Reason::None;
    // How each box got its text (SideWorking).
    SideStep opposite_step;
    SideStep hypotenuse_step;
    SideStep adjacent_step;
};

// How a result box got its text, the numbers being the texts the solver used:
//   "邻边 = 对边 ÷ tg(30) = 1 ÷ 0.5773502691697 = 1.732050807629\nπ 取 3.1415926535，…"
// or, for the known side, that it was copied as typed. Empty for a side left empty.
std::string SideWorking(const SideStep& step, const WorkingWords& words);

// The known side is the first of opposite, adjacent and hypotenuse whose number is above
// ZeroTolerance.
SideLengths SolveSides(std::string_view angle_box, std::string_view opposite_box,
                       std::string_view adjacent_box, std::string_view hypotenuse_box);
