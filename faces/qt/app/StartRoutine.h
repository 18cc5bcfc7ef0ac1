#pragma once
// The runtime's start-up on Linux: the frame runs it for SystemCall 6 and asks the face only for
// what is its own (PrepareRuntime). The steps, with what stands for them on Linux:
//   1 the heap of the memory services is the C heap;       2 copy header words 0-2 (2 plus one);
//   3 no OLE;                                              4 the program's directory (from
//   /proc/self/exe) becomes the current directory;         5 the relay for end requests;
//   6 record the main thread;                              7 enter the constants block into
//   the constant ranges;  8 no external commands;          9 notify each unit library (1);
//   10 read the window template, binding handlers to the procedure area; damage is fatal.
#include <string>

#include "program/StartRoutine.h"

// Steps 4 and 5.
void PrepareRuntime();

// Splits a program path at its last "/": {directory without it, file name}; no "/" gives an
// empty directory and the whole path as the name.
//   "/usr/bin/anglarix" -> {"/usr/bin", "anglarix"}    "/anglarix" -> {"", "anglarix"}
struct ProgramPath {
    std::string directory;
    std::string file_name;
};
ProgramPath SplitProgramPath(const std::string& path);
