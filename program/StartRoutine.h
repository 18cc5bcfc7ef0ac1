#pragma once
// The program's start routine, the same on every face, reaching the runtime only through the
// service table: InitializeRuntime (SystemCall 6); the floating-point state reset (round to
// nearest, every exception masked); GlobalsInit; SetExitProcedure(ExitProcedure) (SystemCall
// 3); StartupProcedure, whose result is not used; LoadWindow(0x52010001); RunMessageLoop;
// return 0.
#include <cstdint>

#include "core/frame/FrameServices.h"
#include "program/data/MainWindowUnits.h"

int StartRoutine();

// What this program brings to the runtime (its constants, window template and procedures), with
// the unit library of the face it runs on.
ProgramParts TheProgramParts(std::span<const LibraryDescriptor* const> libraries);
