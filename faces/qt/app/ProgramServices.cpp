#include "faces/qt/app/ProgramServices.h"

#include "core/frame/FrameServices.h"


#include "faces/qt/app/Accessibility.h"
#include "faces/qt/app/Tips.h"
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
    static const ServiceTable& table = FrameServices({.initialize_runtime = &InitializeRuntime,
                                                      .end_program = &EndProgram,
                                                      .run_message_loop = &RunMessageLoop,
                                                      .load_window = &LoadWindowService});
    return table;
}

void LoadWindowService(uint32_t window_id)
{
    SetFrameFaceAdditions(&PresentNote, &RunIdleRegistrations);
    AddFramePolicy(window_id);
    LoadWindowOrFail(window_id);
    DescribeForAccessibility(window_id);
    PrepareTips(window_id);
    WatchLiveWindows();
}
