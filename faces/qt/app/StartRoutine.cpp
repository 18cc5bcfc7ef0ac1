#include "faces/qt/app/StartRoutine.h"

#include <unistd.h>

#include <climits>
#include <vector>

#include "faces/qt/app/ApplicationObject.h"
#include "faces/qt/app/Termination.h"

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

void PrepareRuntime()
{
    const ProgramPath path = SplitProgramPath(ProgramFilePath());
    App().program_file_name = path.file_name;
    // A directory that cannot be entered leaves the current one; that is not an error.
    if (!path.directory.empty() && ::chdir(path.directory.c_str()) != 0) {
    }
    CreateRelay();
}
