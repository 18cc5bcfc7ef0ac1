#pragma once
// The keyboard handling of loaded windows, and the close of a window, seen by one event
// filter on the application before the units get their events:
//   Tab / Shift+Tab   next / previous unit of the focus order, wrapping around
//   Enter             the focused default button's click; else like Tab when the window's
//                     Enter-moves-focus is on; else the first enabled default button's click
//   Escape            closes the window like its close button when Escape-closes is on
//   F1                opens the window's help file when F1-opens-help is on
// A unit that wants the key itself (a multi-line EditBox wants Enter) gets it instead.
#include <vector>

#include "core/runtime/WindowList.h"

void InstallKeyboardFilter();

// The window's units that can take the focus by Tab: live, visible, enabled, with the
// tab-stop bit; by focus rank, equal ranks in reverse record order (creation order).
std::vector<RuntimeRecord*> FocusOrder(RuntimeWindow& window);
RuntimeRecord* FirstInFocusOrder(RuntimeWindow& window);
