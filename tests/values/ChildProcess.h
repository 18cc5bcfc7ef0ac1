#pragma once
// Runs a function in a forked child with stderr captured, for the paths that end the process.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <string>

struct ChildOutcome {
    bool exited = false;  // ended by exit, not by a signal
    int status = -1;      // the exit status when it exited
    std::string stderr_text;
};

inline ChildOutcome RunInChild(const std::function<void()>& body)
{
    ChildOutcome outcome;
    int fds[2];
    if (pipe(fds) != 0)
        return outcome;
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        dup2(fds[1], STDERR_FILENO);
        close(fds[1]);
        body();
        std::_Exit(0);  // came back: the caller sees status 0
    }
    close(fds[1]);
    char buffer[4096];
    for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;)
        outcome.stderr_text.append(buffer, size_t(n));
    close(fds[0]);
    int wait_status = 0;
    if (pid > 0 && waitpid(pid, &wait_status, 0) == pid && WIFEXITED(wait_status)) {
        outcome.exited = true;
        outcome.status = WEXITSTATUS(wait_status);
    }
    return outcome;
}
