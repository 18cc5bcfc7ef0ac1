#include "program/TabOrder.h"

#include "program/data/MainWindowUnits.h"

namespace {

using namespace main_window;

// clang-format off
constexpr uint32_t kReadingOrder[] = {
    kArcSineOpposite, kArcSineHypotenuse, kArcSineButton, kArcSineResult,
    kArcTangentOpposite, kArcTangentAdjacent, kArcTangentButton, kArcTangentResult,
    kArcCosineAdjacent, kArcCosineHypotenuse, kArcCosineButton, kArcCosineResult,
    kExpression, kEvaluateButton, kExpressionResult,
    kAngle, kKnownOpposite, kKnownHypotenuse, kKnownAdjacent, kSideLengthsButton,
    kResultOpposite, kResultHypotenuse, kResultAdjacent,
};
// clang-format on

}  // namespace

std::span<const uint32_t> MainWindowTabOrder() { return kReadingOrder; }
