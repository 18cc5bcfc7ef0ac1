#pragma once
// The message loop on Qt's event loop, with the idle phase of the frame:
//   - an idle period starts when the loop starts and after every piece of user activity
//     (input, a mouse move to a new place, closing, activation; not painting or timers);
//   - while nothing else is waiting, each pass calls the idle registrations (last first)
//     and the idle handler with the pass count; the phase ends when the handler says so;
//   - on the third pass the handler raises every loaded window's event 7 (argument: the
//     milliseconds since the period began); a window that does not answer true is done
//     until the next period, so a window without a handler gets it once per period.
// The run ends when the last window of the program is gone (quit code 0).
#include <cstdint>

// Runs the loop until the run ends; returns at once when no window exists.
void RunMessageLoop();

// The window-destroyed rule: when no window of the program is left and the loop has been
// entered, end the loop with code 0. Called (queued) whenever a window goes.
void CheckForLastWindow();

// Watches every live window so that its destruction applies the rule above.
void WatchLiveWindows();
