#pragma once
// The program's start routine, the same on every face, reaching the runtime only through the
// service table: InitializeRuntime (SystemCall 6); the floating-point state reset (round to
// nearest, every exception masked); GlobalsInit; SetExitProcedure(ExitProcedure) (SystemCall
// 3); StartupProcedure, whose result is not used; LoadWindow(0x52010001); RunMessageLoop;
// return 0.
#include <cstdint>

#include "program/data/MainWindowUnits.h"

int StartRoutine();
