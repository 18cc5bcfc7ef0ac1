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

#include "data/MainWindowTemplate.h"
#include "data/ProcedureArea.h"
#include "forms/props/EditBoxProps.h"
#include "forms/runtime/Procedure.h"

// Bound procedures (window events and button clicks): no arguments used, no value.
ProcedureResult ArcTangentClick(const uint32_t* args, int32_t count);
ProcedureResult ArcSineClick(const uint32_t* args, int32_t count);
ProcedureResult ArcCosineClick(const uint32_t* args, int32_t count);
ProcedureResult FunctionEvaluateClick(const uint32_t* args, int32_t count);
ProcedureResult SideLengthsClick(const uint32_t* args, int32_t count);
ProcedureResult WindowEventNoOp(const uint32_t* args, int32_t count);
// Answers 0; the runtime's default for its internal hooks.
ProcedureResult ReturnZero(const uint32_t* args, int32_t count);

// The start-up and exit procedures.
void GlobalsInit();       // the program has no global variables
int StartupProcedure();   // always 0
void ExitProcedure();     // nothing to put away

// The procedure area, in the order data/ProcedureArea.h fixes for the template's handler
// offsets: offset 0 is ArcTangentClick.
ProcedureArea ProgramProcedures();

// The units the procedures use.
namespace units {
inline constexpr uint32_t kMainWindow = kMainWindowId;
inline constexpr int32_t kTextProperty = kFirstOwnProperty + EditBoxOwn::Content;
inline constexpr int32_t kVisibleProperty = kPropertyVisible;
inline constexpr int32_t kWholeValue = -1;

inline constexpr uint32_t kArcSineOpposite = 0x1601013A;     // 编辑框1
inline constexpr uint32_t kArcSineHypotenuse = 0x16011DCC;   // 编辑框9
inline constexpr uint32_t kArcSineResult = 0x16010148;       // 编辑框2
inline constexpr uint32_t kArcTangentOpposite = 0x16010150;  // 编辑框4
inline constexpr uint32_t kArcTangentAdjacent = 0x16011DCA;  // 编辑框8
inline constexpr uint32_t kArcTangentResult = 0x1601014E;    // 编辑框3
inline constexpr uint32_t kArcCosineAdjacent = 0x1601015A;   // 编辑框6
inline constexpr uint32_t kArcCosineHypotenuse = 0x16011DC8; // 编辑框7
inline constexpr uint32_t kArcCosineResult = 0x16010158;     // 编辑框5
inline constexpr uint32_t kExpression = 0x16011DCE;          // 编辑框10
inline constexpr uint32_t kExpressionResult = 0x16011DD1;    // 编辑框11
inline constexpr uint32_t kAngle = 0x16011DD4;               // 编辑框12
inline constexpr uint32_t kKnownOpposite = 0x16011DE6;       // 编辑框13
inline constexpr uint32_t kKnownAdjacent = 0x16011DE8;       // 编辑框14
inline constexpr uint32_t kKnownHypotenuse = 0x16011DEA;     // 编辑框15
inline constexpr uint32_t kResultAdjacent = 0x16011DEB;      // 编辑框16
inline constexpr uint32_t kResultHypotenuse = 0x16011DEC;    // 编辑框17
inline constexpr uint32_t kResultOpposite = 0x16011DED;      // 编辑框18
inline constexpr uint32_t kAngleWarning = 0x16011DF4;        // 标签22 "角度必须输入"
}  // namespace units
