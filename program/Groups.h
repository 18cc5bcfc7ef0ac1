#pragma once
// The main window's boxes by group: a box's group is the button that reads or writes it.
//   GroupOfBox(编辑框9)  -> {按钮1, input}     GroupOfBox(编辑框18) -> {按钮5, result}
//   GroupOfBox(按钮1)    -> nothing: a button is no box
#include <cstdint>
#include <optional>

#include "program/data/MainWindowUnits.h"

struct BoxInGroup {
    const main_window::UnitGroup* group;
    bool is_input;
};

std::optional<BoxInGroup> GroupOfBox(uint32_t unit_id);
