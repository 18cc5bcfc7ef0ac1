#include "program/Groups.h"

std::optional<BoxInGroup> GroupOfBox(uint32_t unit_id)
{
    std::optional<BoxInGroup> found;
    for (const main_window::UnitGroup& group : main_window::kGroups)
        group.ForEachBox([&](uint32_t box, bool is_input) {
            if (box == unit_id)
                found = BoxInGroup{&group, is_input};
        });
    return found;
}
