// Start-up's runtime part and the one termination sequence, in the order every face keeps.
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "core/frame/FrameServices.h"
#include "core/frame/FrameState.h"
#include "core/runtime/EventDispatch.h"
#include "core/runtime/UnitTypeTable.h"
#include "core/runtime/WindowList.h"
#include "values/Blocks.h"
#include "values/RuntimeError.h"

namespace {

struct Ending {
    bool main_thread_recorded = false;
    std::thread::id main_thread;
    std::atomic<bool> terminating = false;  // read by an end request from another thread
    bool released = false;
};

Ending& TheEnding()
{
    static Ending ending;
    return ending;
}

void ReleaseLibraries()
{
    for (const LibraryDescriptor* library : UnitLibraries()) {
        if (library != nullptr && library->notify != nullptr)
            library->notify(kLibraryNotifyEnd, 0, 0);
    }
    SetUnitLibraries({});
}

[[noreturn]] void EndProcess(int32_t code)
{
    std::fflush(nullptr);
    if (FaceOfServices().exit_process != nullptr)
        FaceOfServices().exit_process(code);
    // Leaving without unwinding: what the face still holds on the stack belongs to a run that
    // is over, and its destructors must not run against released windows.
    std::_Exit(code);
}

// After a runtime error the exit procedure does not run.
[[noreturn]] void EndAfterRuntimeError(int code)
{
    ForgetExitProcedure();
    EndProgram(code);
}

}  // namespace

void InitializeRuntime()
{
    const FaceServices& face = FaceOfServices();
    if (face.prepare != nullptr)
        face.prepare();
    Ending& ending = TheEnding();
    ending.main_thread = std::this_thread::get_id();
    ending.main_thread_recorded = true;
    const ProgramParts& program = face.program;
    if (!program.constants.empty())
        AddConstantRange(program.constants.data(), program.constants.data() + program.constants.size());
    // Each library is handed the runtime's notification entry (notification 1).
    InitializeUnitLibraries(program.libraries);
    if (!program.window_template.empty())
        LoadProgramWindows(program.window_template, program.procedures);
    // The last step of the exit path runs the sequence once more, which by then finds nothing
    // to do. Registered now, it runs before the runtime's own statics go.
    static bool registered = false;
    if (!registered) {
        registered = true;
        std::atexit([] { TerminateRuntime(0); });
    }
}

void InstallRuntimeErrorReport()
{
    SetRuntimeErrorHooks({.before_report = &SuppressEvents,
                          .present = FaceOfServices().present_error,
                          .end_program = &EndAfterRuntimeError});
}

void TerminateRuntime(int32_t code)
{
    Ending& ending = TheEnding();
    if (ending.main_thread_recorded && std::this_thread::get_id() != ending.main_thread) {
        // The main thread performs the termination; this one waits for it, as a sent message
        // would, and ends the process itself only if the main thread was not already ending.
        const FaceServices& face = FaceOfServices();
        if (face.hand_to_main_thread != nullptr && !ending.terminating)
            face.hand_to_main_thread(code);
        if (!ending.terminating) {
            std::fflush(nullptr);
            std::_Exit(code);
        }
        return;
    }

    SuppressEvents();  // raised for good: no procedure runs from here on
    ending.terminating = true;
    if (ending.released)
        return;
    ending.released = true;

    ClearWindows();
    RunExitProcedureOnce();
    ReleaseLibraries();
    ClearConstantRanges();
    if (FaceOfServices().release != nullptr)
        FaceOfServices().release();
}

void EndProgram(int32_t code)
{
    TerminateRuntime(code);
    EndProcess(code);
}

int ExitHandler(int quit_code)
{
    TerminateRuntime(0);
    return quit_code;
}
