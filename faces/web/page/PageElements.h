#pragma once
// The page's elements as the program reaches them: each unit is one element the page's script
// builds from the unit's description and finds by unit id. Texts cross as GBK on this side.
#include <cstdint>
#include <string>

#include "core/frame/Frame.h"

// Builds the unit's element from its description, in place of an earlier one of the same unit.
void ShowUnitElement(const std::string& description);
// Places the window's elements: the layout of every record, in record order.
void ArrangeUnitElements(const std::string& layout);

std::string ReadElementText(uint32_t unit_id);
void WriteElementText(uint32_t unit_id, const std::string& gbk);
// The box was written the text it holds: a result says it again.
void RepeatElementText(uint32_t unit_id);
void SetElementVisible(uint32_t unit_id, bool visible);
void SetElementDisabled(uint32_t unit_id, bool disabled);
// Focuses the unit's element, with its whole text selected or not.
void FocusElement(uint32_t unit_id, bool select);
// The one note on the page (UTF-8), at that side of the unit's element, in place of any other.
void ShowElementNote(uint32_t unit_id, const std::string& note, NoteSide side);
// The note goes when it stands at the unit.
void HideElementNote(uint32_t unit_id);
// A box's accessible description and what hovering it shows (UTF-8); empty for none.
void DescribeElement(uint32_t unit_id, const std::string& description, const std::string& hover);
void SetElementHoverText(uint32_t unit_id, const std::string& hover);
