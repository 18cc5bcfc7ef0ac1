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
// A box's hover text and accessible description as the program has them (UTF-8).
void SetElementNoteTexts(uint32_t unit_id, const std::string& hover, const std::string& description);
// A note beside the box for the given time; any earlier one goes, and an empty note shows none.
void ShowElementNote(uint32_t unit_id, const std::string& note, int milliseconds);
