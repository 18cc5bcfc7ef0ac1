#pragma once
// Loading a window of the template, the same steps on every face:
//   1. a window already live comes forward instead, and the load succeeds;
//   2. with events suppressed: the window from record 0, then the units from the last record
//      back (control ids 100, 110, ...); a failed creation releases what was built and fails;
//      units inside other units move into them; the first record of each parent on top;
//      each unit shown when its visible bit says so;
//   3. the window's events 0, 3 and 4, each only while the window is still live;
//   4. the window shown when its own visible bit is set, and marked loaded.
// A face supplies only what happens on its surface, as one LoadSurface filled once.
#include <cstdint>

#include "core/runtime/WindowList.h"

struct LoadSurface {
    // Whether the record's unit is alive on the surface.
    bool (*is_live)(const RuntimeRecord& record) = nullptr;
    // A live window comes forward: restored when minimised, else activated.
    void (*bring_forward)(RuntimeRecord& window_record) = nullptr;
    // What the window's units are created in; null when the surface needs no parent.
    FaceHandle (*units_parent)(const RuntimeRecord& window_record) = nullptr;
    // Optional: moves a unit into the unit that contains it, at its stored place.
    void (*place_inside)(RuntimeRecord& unit, const RuntimeRecord& container) = nullptr;
    // Optional: puts a unit on top of its siblings.
    void (*raise)(RuntimeRecord& unit) = nullptr;
    // Optional: shows or hides a unit without activating it, with its own mouse pointer.
    void (*show_unit)(RuntimeRecord& unit, bool shown) = nullptr;
    // Optional: every unit is placed, stacked and shown; events are still suppressed.
    void (*built)(RuntimeWindow& window) = nullptr;
    // Shows the window, whose visible bit is set, with the focus on its first unit.
    void (*show_window)(RuntimeWindow& window) = nullptr;
};

// False when the window id is not in the list or a unit cannot be created; what was built
// is then released again.
bool LoadWindow(uint32_t window_id, const LoadSurface& surface);
// The frame's service: a failure is the fatal "载入启动窗口失败".
void LoadWindowOrFail(uint32_t window_id, const LoadSurface& surface);

// Releases a window's unit objects (units first, the window last) and marks it not loaded.
// The records keep the values the units were last written with.
void ReleaseWindow(RuntimeWindow& window);

// Whether a visible write may show this unit: not a kind created hidden, not on a hidden page.
bool MayShow(const RuntimeRecord& record);
