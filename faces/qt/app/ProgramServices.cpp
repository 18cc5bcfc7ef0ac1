#include "faces/qt/app/ProgramServices.h"

#include "core/frame/FrameServices.h"
#include "faces/qt/app/Accessibility.h"
#include "faces/qt/app/ErrorBox.h"
#include "faces/qt/app/ProgramHeader.h"
#include "faces/qt/app/NotePresenter.h"
#include "faces/qt/app/MessageLoop.h"
#include "faces/qt/app/StartRoutine.h"
#include "faces/qt/app/Termination.h"
#include "faces/qt/live/KeyboardFilter.h"
#include "faces/qt/live/LoadWindow.h"
#include "core/runtime/UnitPropertyAccess.h"
#include "core/runtime/WindowList.h"
#include "program/FramePolicy.h"
#include "contract/ServiceTable.h"

const ServiceTable& ProgramServices()
{
    const ProgramHeader& header = TheProgramHeader();
    static const ServiceTable& table = FrameServices({
        .program = {.constants = {static_cast<const uint8_t*>(header.constants), header.constants_size},
                    .libraries = {header.libraries, header.library_count},
                    .window_template = {header.window_template, header.window_template_size},
                    .procedures = header.procedures},
        .prepare = &PrepareRuntime,
        .run_message_loop = &RunMessageLoop,
        .load_window = &LoadWindowService,
        .present_error = &PresentRuntimeErrorBox,
        .release = &ReleaseFaceResources,
        .hand_to_main_thread = &HandToMainThread,
    });
    return table;
}

void LoadWindowService(uint32_t window_id)
{
    SetFrameFaceAdditions(&PresentNote, &RunIdleRegistrations);
    AddFramePolicy(window_id);
    LoadWindowOrFail(window_id);
    DescribeForAccessibility(window_id);
    PrepareNotes(window_id);
    WatchLiveWindows();
}
