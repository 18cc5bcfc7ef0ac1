#pragma once
// The six unit kinds as Win32 windows, the built-in library the form runtime takes into use:
// the window as a top-level window of its own class, edit boxes as EDIT controls, buttons as
// BUTTON, labels, shapes and the picture as owner-drawn STATIC windows that replay the core's
// display list. Each unit keeps its property set and answers its properties through it; what
// the user types lives in the control, so an edit box reads its text from there.
#include "faces/win/window/WinApi.h"

#include <cstdint>

#include "core/runtime/UnitTypeTable.h"
#include "core/runtime/WindowList.h"

const LibraryDescriptor& WinLibrary();

// The class name of the window kind's top-level windows.
inline constexpr wchar_t kWindowClassName[] = L"AnglarixWindow";

// The HWND of a live unit, null for none.
HWND UnitHwnd(const RuntimeRecord& record);
// The unit a child or top-level window belongs to: its window id and unit id, or false.
bool UnitOfHwnd(HWND hwnd, uint32_t& window_id, uint32_t& unit_id);

// Raises a unit's event as the user caused it: true when a procedure ran.
bool RaiseUnitEvent(uint32_t window_id, uint32_t unit_id, int32_t event);

// The monitor's factor the units are laid out at (1, 1.5, 2 ...), and a change of it: every
// live unit of the window moves, resizes and takes its fonts again.
double DpiScale();
void SetDpiScale(RuntimeWindow& window, double scale);
// The factor of the monitor a window is on (its DPI over 96), and taking it before a new
// window's units are made, so that the window is sized and centred at it from the start.
double MonitorFactor(HWND hwnd);
void TakeMonitorFactor(HWND hwnd);

// Places a unit at its record's place inside its containers, at the current factor.
void PlaceUnit(RuntimeWindow& window, RuntimeRecord& record);

// The window procedure's part the units own: painting (WM_DRAWITEM), the colours of edit boxes
// (WM_CTLCOLOR*), commands from the controls (WM_COMMAND). True when the message was handled.
bool HandleUnitMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);

// Called with a box the user changed (not the program).
void SetUserChangeHandler(void (*handler)(uint32_t window_id, uint32_t unit_id));
