#pragma once
// Loading a window of the template: its window and units are created, placed, shown, and
// its events 0, 3 and 4 raised, with every event suppressed while it is being built.
// A window that is already live is brought forward instead.
#include <cstdint>

struct RuntimeWindow;

// False when the window id is not in the list or a unit cannot be created; what was built
// is then released again.
bool LoadWindow(uint32_t window_id);
// The frame's service: a failure is the fatal "载入启动窗口失败".
void LoadWindowOrFail(uint32_t window_id);

// Whether the window's own record holds a live window.
bool IsWindowLive(uint32_t window_id);
// Releases a window's unit objects (units first, the window last) and marks it not loaded.
// The records keep the values the units were last written with.
void ReleaseWindow(RuntimeWindow& window);
