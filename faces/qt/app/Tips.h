#pragma once
// The notes at the main window's boxes on widgets: the program decides what they say and when
// they go (program/Notes.h); this shows them as tool tips and accessible descriptions.
#include <cstdint>

// The service: note (GBK) at a unit; an empty or null text takes it away.
void ShowUnitTip(uint32_t window_id, uint32_t unit_id, const char* text);

// Puts the notes' behaviour on the live boxes of the window; call after it is loaded.
void PrepareTips(uint32_t window_id);
