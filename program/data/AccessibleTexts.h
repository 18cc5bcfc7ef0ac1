#pragma once
// What assistive technology hears about the main window, in the window and on the page alike:
// each edit box is named by its group and its label ("反正弦 对边长度") and is labelled by that
// label on screen, the diagram and the boxes that take angles or expressions carry a
// description (what they take, shown on hover too), and the warning "角度必须输入" is announced
// when it shows (alert). Each input box also says which keyboard an on-screen input
// method should offer for it: digits for a side or an angle, letters for an expression.
#include <cstdint>
#include <span>

enum class Keyboard : uint8_t { None, Decimal, Text };

struct AccessibleText {
    uint32_t unit_id;
    uint32_t label_id;                   // the label that names the unit on screen, 0 for none
    const char* name;                    // UTF-8
    const char* description = nullptr;   // UTF-8
    Keyboard keyboard = Keyboard::None;  // None for a box nobody types into
    bool alert = false;                  // announced each time it shows
};

std::span<const AccessibleText> MainWindowAccessibleTexts();
// The unit's texts, or null for a unit that has none.
const AccessibleText* MainWindowAccessibleText(uint32_t unit_id);
