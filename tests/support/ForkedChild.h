#pragma once
// The fork, pipe and wait under the tests' child-process runners. The child gets the write
// end of a pipe and must end the process itself; the parent collects what arrives through the
// pipe until the child closes it, killing the child when the time limit passes first.
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>

struct ForkedRun {
    bool exited = false;  // false: killed by a signal or by the time limit, or no child
    int status = -1;      // the exit status when exited
    std::string output;   // what the child wrote into the pipe
};

inline ForkedRun RunForked(const std::function<void(int write_fd)>& child, int time_limit_seconds)
{
    ForkedRun run;
    int fds[2];
    if (::pipe(fds) != 0)
        return run;
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        return run;
    }
    if (pid == 0) {
        ::close(fds[0]);
        child(fds[1]);
        std::_Exit(0);  // came back: the caller sees status 0
    }
    ::close(fds[1]);
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
        run.output.append(buffer, size_t(n));
    }
    ::close(fds[0]);
    if (timed_out)
        ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    run.exited = !timed_out && WIFEXITED(status);
    run.status = run.exited ? WEXITSTATUS(status) : -1;
    return run;
}
