#pragma once
// The notes as tooltips, shown as the frame's actions say and never decided here: a note stands
// in a tracking tip beside its unit, on the side the frame chose, until the frame takes it down
// (the pointer passes through it); hovering a unit shows the text the frame has for it in a tip
// of its own, except while a note stands, so that one note shows at a time. A unit's accessible
// description is set through the system's annotation service.
#include "faces/win/window/WinApi.h"

#include <cstdint>

#include "core/frame/Frame.h"
#include "core/runtime/WindowList.h"

// The window's tips; `owner` is its frame, whose procedure hands on HandleNoteNotify.
void PrepareNotes(RuntimeWindow& window, HWND owner);
// The window went: its tips with it.
void ForgetNotes(uint32_t window_id);
// The monitor's factor changed: the tips' text with it.
void RescaleNotes();

// The program's notes measure the main window's boxes in their own fonts.
void MeasureNotesIn(uint32_t window_id);

// The frame's ShowNote, HideNote and Describe actions.
void ShowNote(const FrameAction& action);
void HideNote(const FrameAction& action);
void Describe(const FrameAction& action);

// A hover tip asking for its text; true when handled.
bool HandleNoteNotify(NMHDR* header, LRESULT& result);
