#pragma once
// How keys and closes reach the frame on widgets: one event filter on the application sees
// every key before the units do and hands Tab, Enter, Escape and F1 to the frame in its words;
// a window's close asks the frame. The frame's actions are carried out on the widgets here,
// save the notes, which the program's face shows (SetFrameFaceAdditions).
#include "core/frame/Frame.h"

// Installs the filter and makes the widgets the frame's face; the first call only.
void InstallKeyboardFilter();

// What the program's face adds: who shows the notes (ShowNote, HideNote and Describe go to
// it), and its idle registrations. Neither by default.
void SetFrameFaceAdditions(void (*present_note)(const FrameAction& action), void (*idle_registrations)());
