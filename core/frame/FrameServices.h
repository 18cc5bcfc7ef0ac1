#pragma once
// The one service table the program runs on, on every face. The commands, the property and
// memory services are the runtime's, slot 13 is the frame's note, and the system calls and the
// exit procedure are kept here; a face supplies only what only it can do (FaceServices).
#include <cstdint>
#include <span>
#include <string>

#include "contract/Procedure.h"

struct ServiceTable;
struct LibraryDescriptor;

// What the program brings to the runtime at start-up: its constants, its unit libraries (a
// kind code's library number n is libraries[n - 1]), its window template and procedures.
struct ProgramParts {
    std::span<const uint8_t> constants;
    std::span<const LibraryDescriptor* const> libraries;
    std::span<const uint8_t> window_template;
    ProcedureArea procedures;
};

struct FaceServices {
    ProgramParts program;
    // Start-up's own part of a face, before the program's parts are taken in (the current
    // directory, the relay for other threads' end requests). Optional.
    void (*prepare)() = nullptr;
    void (*run_message_loop)() = nullptr;               // slot 10
    void (*load_window)(uint32_t window_id) = nullptr;  // slot 11: failure does not return
    // The runtime error box; returns when the user has closed it.
    void (*present_error)(const std::string& gbk_text) = nullptr;
    // The end, after the termination sequence: the face's remaining resources go (optional),
    // then the process ends with the code.
    void (*release)() = nullptr;
    void (*exit_process)(int32_t code) = nullptr;  // does not return
    // An end request from a thread other than the main one: the main thread runs
    // EndProgram(code) while this one waits. Optional; without it that thread ends the process.
    void (*hand_to_main_thread)(int32_t code) = nullptr;
};

// Takes the face's part into the table and the runtime error report, and returns the table,
// complete in slot order.
const ServiceTable& FrameServices(const FaceServices& face);

// The one termination sequence every way of ending goes through: the close of the last window
// (0), EndProgram with a code, a runtime error (-1). On the main thread: events are suppressed
// for good, the windows go, the exit procedure runs (at most once in the process), the unit
// libraries are told and dropped, the constants and the face's resources are released; a
// second call finds nothing left to do. On another thread: the end request goes to the main
// thread, and the process ends with the code unless the main thread is already ending.
void TerminateRuntime(int32_t code);
// Slot 9: the termination sequence, then the process ends with code.
[[noreturn]] void EndProgram(int32_t code);
// The exit path once the message loop has ended: the termination sequence, then the code the
// quit carried, for the face to end the process with.
int ExitHandler(int quit_code);

// SystemCall 2: an array (dimension count, the dimensions' sizes, then the elements) that
// still lies in the constants block is copied whole into a new heap block and the reference
// is pointed at the copy; an array already on the heap is left in place.
void MakeArrayWritable(void** array_reference, uint32_t element_size);

// Slot 12: 2 MakeArrayWritable, 3 SetExitProcedure, 6 InitializeRuntime (the frame's); the
// directory search and the internal property calls are not used by the program and answer 0.
intptr_t SystemCall(int32_t number, intptr_t a, intptr_t b);

// The procedure SystemCall 3 registered, or null.
using ExitProcedureFn = void (*)();
ExitProcedureFn RegisteredExitProcedure();
// Runs it at most once in the process and forgets it; a runtime error forgets it unrun.
void RunExitProcedureOnce();
void ForgetExitProcedure();
