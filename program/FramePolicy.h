#pragma once
// What the program adds to its main window on every face, set on the runtime's window when a
// face loads it:
//   Tab           the reading order of program/TabOrder.h, wrapping; Shift+Tab back the same way
//   Enter         in any box of a group (no Shift, Ctrl or Alt): clicks the group's button;
//                 on a focused button: clicks it, as Space does
//   notes         at the boxes of the groups, their texts and when a reason goes (program/Notes.h)
// A disabled button is not clicked. Other windows keep the runtime's rules.
#include <cstdint>

#include "core/runtime/WindowList.h"

// Call before the window is loaded, so its first focus follows the program's order too.
void AddFramePolicy(uint32_t window_id);

// The button Enter clicks from the focused unit; 0 for none.
uint32_t EnterClicks(const RuntimeWindow& window, uint32_t focused_unit, bool modified);
