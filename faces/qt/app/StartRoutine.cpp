#include "faces/qt/app/StartRoutine.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <vector>

#include "faces/qt/app/ApplicationObject.h"
#include "faces/qt/app/ProgramHeader.h"
#include "faces/qt/app/Termination.h"
#include "program/Procedures.h"
#include "core/runtime/UnitTypeTable.h"
#include "core/runtime/WindowList.h"
#include "values/Blocks.h"
#include "values/RuntimeError.h"
#include "contract/ServiceTable.h"

namespace {

std::string ProgramFilePath()
{
    std::vector<char> buffer(PATH_MAX + 1);
    const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    return n > 0 ? std::string(buffer.data(), size_t(n)) : std::string();
}

}  // namespace

ProgramPath SplitProgramPath(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return {std::string(), path};
    return {path.substr(0, slash), path.substr(slash + 1)};
}

void InitializeRuntime()
{
    ApplicationObject& app = App();
    const ProgramHeader& header = TheProgramHeader();

    const ProgramPath path = SplitProgramPath(ProgramFilePath());
    app.program_file_name = path.file_name;
    // A directory that cannot be entered leaves the current one; that is not an error.
    if (!path.directory.empty() && ::chdir(path.directory.c_str()) != 0) {
    }

    CreateRelay();
    app.main_thread = std::this_thread::get_id();
    app.main_thread_recorded = true;

    if (header.constants_size != 0) {
        const char* start = static_cast<const char*>(header.constants);
        AddConstantRange(start, start + header.constants_size);
    }

    // Each library is handed the runtime's notification entry (notification 1).
    app.libraries.assign(header.libraries, header.libraries + header.library_count);
    InitializeUnitLibraries(app.libraries);

    if (header.window_template_size != 0)
        LoadProgramWindows({header.window_template, header.window_template_size}, header.procedures);

    // The last step of the exit path runs the termination sequence once more, which by then
    // finds nothing to do. Registered now, it runs before the runtime's own statics go.
    static bool registered = false;
    if (!registered) {
        registered = true;
        std::atexit([] { TerminateRuntime(0); });
    }
}
