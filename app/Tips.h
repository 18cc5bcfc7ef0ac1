#pragma once
// Notes at the main window's edit boxes: why a result box shows what it shows (the reasons the
// procedures send through the service table), the whole text of a result too wide for its box,
// and short notes on what the input boxes take. A reason is shown at once for a few seconds,
// again on hover, and read as the box's description; it goes when an input of its group
// changes.
#include <cstdint>

// The service: note (GBK) at a unit; an empty or null text takes it away.
void ShowUnitTip(uint32_t window_id, uint32_t unit_id, const char* text);

// Puts the notes' behaviour on the live boxes of the window; call after it is loaded.
void PrepareTips(uint32_t window_id);
