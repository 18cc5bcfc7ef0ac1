#pragma once
// The one service table the program runs on, on every face. The commands, the property and
// memory services are the runtime's, slot 13 is the frame's note, and the system calls and the
// exit procedure are kept here; a face supplies only what only it can do (FaceServices).
#include <cstdint>

struct ServiceTable;

struct FaceServices {
    void (*initialize_runtime)() = nullptr;             // SystemCall 6
    void (*end_program)(int32_t code) = nullptr;        // slot 9: terminate, end with code; no return
    void (*run_message_loop)() = nullptr;               // slot 10
    void (*load_window)(uint32_t window_id) = nullptr;  // slot 11: failure does not return
};

// Takes the face's part into the table and returns the table, complete in slot order.
const ServiceTable& FrameServices(const FaceServices& face);

// SystemCall 2: an array (dimension count, the dimensions' sizes, then the elements) that
// still lies in the constants block is copied whole into a new heap block and the reference
// is pointed at the copy; an array already on the heap is left in place.
void MakeArrayWritable(void** array_reference, uint32_t element_size);

// Slot 12: 2 MakeArrayWritable, 3 SetExitProcedure, 6 InitializeRuntime (the face's); the
// directory search and the internal property calls are not used by the program and answer 0.
intptr_t SystemCall(int32_t number, intptr_t a, intptr_t b);

// The procedure SystemCall 3 registered, or null.
using ExitProcedureFn = void (*)();
ExitProcedureFn RegisteredExitProcedure();
// Runs it at most once in the process and forgets it; a runtime error forgets it unrun.
void RunExitProcedureOnce();
void ForgetExitProcedure();
