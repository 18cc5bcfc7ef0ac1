#pragma once
// What Enter does in a loaded window, the same on every face once the focused unit has
// declined the key (a multi-line EditBox takes Enter itself):
//   1. the button the program's window additions name for the focused unit, if any;
//   2. the focused Button when it is an enabled default button;
//   3. like Tab, when the window's Enter-moves-focus is on;
//   4. the first enabled default Button in record order;
//   5. nothing (this program's window has no default button).
#include <cstdint>

#include "core/runtime/WindowList.h"

struct EnterAnswer {
    enum class Action { Nothing, Click, MoveFocus } action = Action::Nothing;
    uint32_t unit = 0;  // the button to click
};

// focused_unit is 0 when no unit of the window has the focus; modified: Shift, Ctrl or Alt held.
EnterAnswer AnswerEnter(RuntimeWindow& window, uint32_t focused_unit, bool modified);

// A unit's own property as its kind's get entry answers it; empty for no live unit.
PropertyValue OwnPropertyOf(const RuntimeRecord& record, int32_t own);
