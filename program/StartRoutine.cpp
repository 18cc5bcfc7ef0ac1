#include "program/StartRoutine.h"

#include <cfenv>

#include "contract/ServiceTable.h"
#include "program/Procedures.h"
#include "program/data/MainWindowTemplate.h"
#include "values/Constants.h"

namespace {

// Round to nearest with every exception masked, so a division by zero gives an infinity and
// an invalid operation a NaN instead of a trap. It is the default environment of every
// system we build for; setting it again undoes whatever a library may have changed before us.
void ResetFloatingPoint()
{
    std::fesetenv(FE_DFL_ENV);
    std::fesetround(FE_TONEAREST);
    std::feclearexcept(FE_ALL_EXCEPT);
}

}  // namespace

int StartRoutine()
{
    const ServiceTable& services = Services();
    services.SystemCall(kSystemCallInitializeRuntime, 0, 0);
    ResetFloatingPoint();
    GlobalsInit();
    services.SystemCall(kSystemCallSetExitProcedure, reinterpret_cast<intptr_t>(&ExitProcedure), 0);
    StartupProcedure();
    services.LoadWindow(main_window::kWindow);
    services.RunMessageLoop();
    return 0;
}

ProgramParts TheProgramParts(std::span<const LibraryDescriptor* const> libraries)
{
    return {.constants = {reinterpret_cast<const uint8_t*>(ConstantsBlock.bytes), kConstantsBlockSize},
            .libraries = libraries,
            .window_template = {MainWindowTemplate, MainWindowTemplateSize},
            .procedures = ProgramProcedures()};
}
