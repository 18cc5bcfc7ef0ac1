#pragma once
// The program's procedure area: the order in which its procedures stand, so that a handler
// offset stored in the window template names one of them. Offset 0 is the first entry; -1 in
// the template means no handler. The frame lists the procedures in exactly this order.
#include <cstdint>

enum ProcedureOffset : int32_t {
    kArcTangentClickOffset = 0,
    kArcSineClickOffset = 1,
    kArcCosineClickOffset = 2,
    kFunctionEvaluateClickOffset = 3,
    kSideLengthsClickOffset = 4,
    kWindowEventNoOpOffset = 5,
    kProcedureAreaSize = 6,
};
