#include "faces/qt/app/Termination.h"

#include <QCoreApplication>
#include <QObject>

#include <cstdio>
#include <cstdlib>

#include "faces/qt/app/ApplicationObject.h"
#include "core/frame/FrameServices.h"
#include "core/runtime/EventDispatch.h"
#include "core/runtime/UnitTypeTable.h"
#include "core/runtime/WindowList.h"
#include "values/Blocks.h"

namespace {

void ReleaseLibraries()
{
    ApplicationObject& app = App();
    for (const LibraryDescriptor* library : app.libraries) {
        if (library != nullptr && library->notify != nullptr)
            library->notify(kLibraryNotifyEnd, 0, 0);
    }
    app.libraries.clear();
}

}  // namespace

void CreateRelay()
{
    ApplicationObject& app = App();
    if (app.relay == nullptr)
        app.relay = std::make_unique<QObject>();
}

void TerminateRuntime(int32_t code)
{
    ApplicationObject& app = App();
    if (app.main_thread_recorded && std::this_thread::get_id() != app.main_thread) {
        // The main thread performs the termination (raising the suppression counter there,
        // where it lives); this thread waits for it, as a sent message would, and ends the
        // process itself only if the main thread was already on its way out.
        if (app.relay != nullptr && !app.terminating) {
            QMetaObject::invokeMethod(
                app.relay.get(), [code] { EndProgram(code); }, Qt::BlockingQueuedConnection);
        }
        if (!app.terminating) {
            std::fflush(nullptr);
            std::_Exit(code);
        }
        return;
    }

    SuppressEvents();  // raised for good: no procedure runs from here on
    app.terminating = true;
    app.idle_registrations.clear();
    if (app.released)
        return;
    app.released = true;

    ClearWindows();
    RunExitProcedureOnce();
    ReleaseLibraries();
    app.relay.reset();
    ClearConstantRanges();
}

void EndProgram(int32_t code)
{
    TerminateRuntime(code);
    std::fflush(nullptr);
    // The Qt objects still on the stack belong to a run that is over; leaving without
    // unwinding keeps their destructors from running against released windows.
    std::_Exit(code);
}

int ExitHandler(int quit_code)
{
    TerminateRuntime(0);
    return quit_code;
}
