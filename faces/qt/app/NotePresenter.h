#pragma once
// The notes at the main window's boxes on widgets: the program words them and the frame decides
// when they show and go; this shows the frame's notes beside their boxes, the hover texts as
// tool tips, and the boxes' accessible descriptions.
#include <cstdint>

#include "core/frame/Frame.h"

// The frame's ShowNote, HideNote and Describe on widgets.
void PresentNote(const FrameAction& action);

// Puts the notes' behaviour on the live boxes of the window; call after it is loaded.
void PrepareNotes(uint32_t window_id);
