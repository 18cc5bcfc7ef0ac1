#pragma once
// The message loop on Qt's event loop. The frame keeps the idle periods; this tells it of user
// activity (input, a mouse move to a new place, closing, activation; not painting or timers)
// and runs its idle passes while nothing else waits, until it has no more use for them. The
// frame ends the loop after the last window.
#include <cstdint>

// Runs the loop until the run ends; returns at once when no window exists.
void RunMessageLoop();

// Watches every live window, so that one its toolkit destroys goes from the frame too.
void WatchLiveWindows();

// The idle registrations, last first; one whose window has gone is dropped.
void RunIdleRegistrations();
