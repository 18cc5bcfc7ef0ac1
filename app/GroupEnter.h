#pragma once
// Enter (or keypad Enter) in any box of one of the main window's five groups clicks that
// group's button, as a click with the mouse would. The window's own "Enter moves focus" is off,
// so the key is otherwise unused.
#include <cstdint>

// Call after the window is loaded.
void ClickGroupButtonsOnEnter(uint32_t window_id);
