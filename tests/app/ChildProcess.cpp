#include "ChildProcess.h"

#include <unistd.h>

#include <cstdlib>

#include "tests/support/ForkedChild.h"

namespace {

int g_log_fd = -1;

}  // namespace

void ChildLog(const std::string& line)
{
    if (g_log_fd < 0)
        return;
    const std::string text = line + "\n";
    size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(g_log_fd, text.data() + written, text.size() - written);
        if (n <= 0)
            return;
        written += size_t(n);
    }
}

ChildOutcome RunInChild(const std::function<int()>& body, int time_limit_seconds)
{
    const ForkedRun run = RunForked(
        [&body](int write_fd) {
            g_log_fd = write_fd;
            // The normal exit path, static destructors and exit handlers included, as the
            // program itself ends after its window closes.
            std::exit(body());
        },
        time_limit_seconds);
    return {run.exited, run.status, run.output};
}
