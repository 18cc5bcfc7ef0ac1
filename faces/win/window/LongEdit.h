#pragma once
// A single-line edit box's text however long: the system's edit control analyses its whole line
// again at each key, a time that grows with the square of its length (3.5 s a key at 30,000
// characters under Wine, a megabyte pasted never done). Past kLongestHeld characters the control
// holds only a slice of about kSlice around the caret, moved along as the caret nears its ends;
// the whole text is kept here. What the control cannot see is handled here: the whole text for
// WM_GETTEXT (and so screen readers and the program), Home and End, selecting all (EM_SETSEL 0,
// -1, Ctrl+A) with typing, deleting, copying and cutting it, and pasting, which never hands the
// control more than a slice.
#include "faces/win/window/WinApi.h"

#include <cstddef>
#include <string>

inline constexpr size_t kLongestHeld = 4096;
inline constexpr size_t kSlice = 1024;

// The edit control's procedure before the system's (a window subclass).
LRESULT CALLBACK LongEditProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR);

// The selected part of the whole text.
std::wstring SelectedEditText(HWND edit);
