#pragma once
// The program's services on Linux: the frame's one table (core/frame/FrameServices.h) with what
// only this face does: start-up, the end, the message loop and loading a window on widgets.
#include <cstdint>

struct ServiceTable;

// The table in slot order, complete before the first procedure runs and never changed.
const ServiceTable& ProgramServices();

// Slot 11: loads a window of the template; an unknown id or a failed creation is the fatal
// "载入启动窗口失败".
void LoadWindowService(uint32_t window_id);
