#include "program/ReadingOrder.h"

#include <iterator>

#include "program/Groups.h"
#include "program/TabOrder.h"
#include "program/data/AccessibleTexts.h"
#include "program/data/MainWindowUnits.h"

namespace {

int GroupNumber(uint32_t unit_id)
{
    for (int index = 0; index < int(std::size(main_window::kGroups)); ++index)
        if (main_window::kGroups[index].button == unit_id)
            return index + 1;
    const std::optional<BoxInGroup> box = GroupOfBox(unit_id);
    return box ? int(box->group - main_window::kGroups) + 1 : 0;
}

}  // namespace

std::vector<ReadingPlace> MainWindowReadingOrder()
{
    std::vector<ReadingPlace> order;
    for (uint32_t unit_id : MainWindowTabOrder()) {
        const int group = GroupNumber(unit_id);
        if (unit_id == main_window::kAngle)
            order.push_back({main_window::kKnownHeading, group});
        if (unit_id == main_window::kResultOpposite)
            order.push_back({main_window::kResultsHeading, group});
        if (const AccessibleText* text = MainWindowAccessibleText(unit_id);
            text != nullptr && text->label_id != 0)
            order.push_back({text->label_id, group});
        order.push_back({unit_id, group});
        if (unit_id == main_window::kAngle)
            order.push_back({main_window::kAngleWarning, group});
    }
    return order;
}
