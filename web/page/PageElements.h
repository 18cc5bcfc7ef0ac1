#pragma once
// The page's elements as the program reaches them: each unit is one element the page's script
// builds from the unit's description and finds by unit id. Texts cross as GBK on this side.
#include <cstdint>
#include <string>

// Builds the unit's element from its description, in place of an earlier one of the same unit.
void ShowUnitElement(const std::string& description);
// Places the window's elements: the layout of every record, in record order.
void ArrangeUnitElements(const std::string& layout);

std::string ReadElementText(uint32_t unit_id);
void WriteElementText(uint32_t unit_id, const std::string& gbk);
void SetElementVisible(uint32_t unit_id, bool visible);
void SetElementDisabled(uint32_t unit_id, bool disabled);
// A box's notes as the program has them (UTF-8): its hover text and accessible description,
// and a note shown beside it for the given time when note is not empty; any earlier note goes.
void ShowElementNotes(uint32_t unit_id, const std::string& note, const std::string& hover,
                      const std::string& description, int milliseconds);
