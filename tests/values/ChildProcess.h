#pragma once
// Runs a function in a forked child with stderr captured, for the paths that end the process.
#include <unistd.h>

#include <functional>
#include <string>

#include "tests/support/ForkedChild.h"

struct ChildOutcome {
    bool exited = false;  // ended by exit, not by a signal
    int status = -1;      // the exit status when it exited
    std::string stderr_text;
};

inline ChildOutcome RunInChild(const std::function<void()>& body)
{
    const ForkedRun run = RunForked(
        [&body](int write_fd) {
            ::dup2(write_fd, STDERR_FILENO);
            ::close(write_fd);
            body();
        },
        60);
    return {run.exited, run.status, run.output};
}
