#include "ChildProcess.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>

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
    int fds[2];
    if (::pipe(fds) != 0)
        return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        g_log_fd = fds[1];
        // The normal exit path, static destructors and exit handlers included, as the program
        // itself ends after its window closes.
        std::exit(body());
    }
    ::close(fds[1]);
    ChildOutcome outcome;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(time_limit_seconds);
    bool timed_out = false;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            timed_out = true;
            break;
        }
        pollfd p{fds[0], POLLIN, 0};
        if (::poll(&p, 1, int(left.count())) <= 0)
            continue;
        char buffer[4096];
        const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        outcome.log.append(buffer, size_t(n));
    }
    ::close(fds[0]);
    if (timed_out)
        ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    outcome.exited = !timed_out && WIFEXITED(status);
    outcome.status = outcome.exited ? WEXITSTATUS(status) : -1;
    return outcome;
}
