#pragma once
// The notes at the main window's boxes as tooltips: what hovering a box shows (the program's
// hover text, asked each time), and a reason a procedure gives, shown under its box at once
// for a few seconds. The texts and when they go are the program's (program/Notes.h).
#include "win/face/WinApi.h"

#include <cstdint>

#include "core/runtime/WindowList.h"

// The tooltips for the boxes that have notes; `owner` is the window's frame.
void PrepareNotes(RuntimeWindow& window, HWND owner);
// The service: a reason (GBK) at a box, null or empty to take it away.
void ShowUnitNote(uint32_t window_id, uint32_t unit_id, const char* gbk);
// The user changed a box: the reasons of its group go.
void BoxChangedByUser(uint32_t window_id, uint32_t unit_id);
// Takes a shown reason down, as the window goes.
void HideNotes();

// The frame's window procedure hands these on; true when handled.
bool HandleNoteNotify(NMHDR* header, LRESULT& result);
bool HandleNoteTimer(WPARAM timer);
