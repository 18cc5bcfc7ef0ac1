#pragma once
// Start-up work that can wait until the user sees the window: it runs once, on the event
// loop, after the first top-level window has painted its first frame.
#include <functional>

void RunAfterFirstFrame(std::function<void()> work);
