#pragma once
// Runs a piece of a test in a forked child, so that it may end the process the way the
// program does (exit statuses, _Exit) and start a fresh QApplication. The child reports
// what it saw through ChildLog; the parent gets the log and the exit status.
#include <functional>
#include <string>

struct ChildOutcome {
    bool exited = false;  // false: killed by a signal or by the time limit
    int status = -1;      // the exit status when exited
    std::string log;      // the lines ChildLog wrote, in order
};

// body's result is the child's exit status if it returns.
ChildOutcome RunInChild(const std::function<int()>& body, int time_limit_seconds = 60);

// Appends one line to the log the parent receives; safe right before _Exit.
void ChildLog(const std::string& line);
