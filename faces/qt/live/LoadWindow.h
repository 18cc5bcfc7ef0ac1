#pragma once
// Loading a window of the template on widgets: the runtime's loading sequence
// (core/runtime/LoadSequence.h) with the units as widgets of a top-level window.
#include <cstdint>

#include "core/runtime/LoadSequence.h"

// False when the window id is not in the list or a unit cannot be created; what was built
// is then released again.
bool LoadWindow(uint32_t window_id);
// The frame's service: a failure is the fatal "载入启动窗口失败".
void LoadWindowOrFail(uint32_t window_id);

// Whether the window's own record holds a live window.
bool IsWindowLive(uint32_t window_id);
