#pragma once
// The one termination sequence every way of ending goes through: the normal close (0),
// EndProgram with a code, and a runtime error (-1, seen by the parent as status 255).
#include <cstdint>

// On the main thread: suppress events for good, drop the idle registrations and the windows,
// run the exit procedure (at most once in the process), notify and drop the unit libraries,
// release the relay. On any other thread: hand the end request to the main thread and end
// the process with the code. A second call on the main thread finds nothing left to do.
void TerminateRuntime(int32_t code);

// Runs the termination sequence and ends the process with code; never returns.
[[noreturn]] void EndProgram(int32_t code);

// The frame's exit path after the message loop has ended: terminates and returns the code
// the quit request carried.
int ExitHandler(int quit_code);

// The hidden relay the end requests of other threads are queued to; made by start-up.
void CreateRelay();
