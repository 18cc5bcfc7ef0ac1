#pragma once
// The program's procedures. They reach the runtime only through Services() (the
// ServiceTable): they read edit boxes with GetUnitProperty, compute with the calculator's
// computations (the same code anglarix-calc runs) and write with SetUnitProperty, freeing
// every text they are given.
//
//   ArcSineClick           编辑框1 / 编辑框9 -> 编辑框2       1, 2 -> "30.00000000086"
//   ArcTangentClick        编辑框4 / 编辑框8 -> 编辑框3       1, 1 -> "45.00000000129"
//   ArcCosineClick         编辑框6 / 编辑框7 -> 编辑框5       1, 2 -> "59.99999999914"
//   FunctionEvaluateClick  编辑框10 -> 编辑框11               "sin(30)" -> "0.499999999987"
//   SideLengthsClick       angle 编辑框12, sides 编辑框13 (opposite), 编辑框14 (adjacent),
//                          编辑框15 (hypotenuse) -> 编辑框18, 编辑框17, 编辑框16; the warning
//                          标签22 "角度必须输入" shown when the angle is missing
#include <cstdint>

#include "contract/ProcedureArea.h"
#include "contract/Procedure.h"

// Bound procedures (window events and button clicks): no arguments used, no value.
ProcedureResult ArcTangentClick(const uint32_t* args, int32_t count);
ProcedureResult ArcSineClick(const uint32_t* args, int32_t count);
ProcedureResult ArcCosineClick(const uint32_t* args, int32_t count);
ProcedureResult FunctionEvaluateClick(const uint32_t* args, int32_t count);
ProcedureResult SideLengthsClick(const uint32_t* args, int32_t count);
ProcedureResult WindowEventNoOp(const uint32_t* args, int32_t count);

// The start-up and exit procedures.
void GlobalsInit();      // the program has no global variables
int StartupProcedure();  // always 0
void ExitProcedure();    // nothing to put away

// The procedure area, in the order contract/ProcedureArea.h fixes for the template's handler
// offsets: offset 0 is ArcTangentClick.
ProcedureArea ProgramProcedures();
