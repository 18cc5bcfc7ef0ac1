#pragma once
// How property values cross GetUnitProperty and SetUnitProperty, by declared type. A value
// is 64 bits: the low word in bits 0-31, the high word in bits 32-63; an address (text, byte
// set, font record) takes the whole 64 bits on this build.
//   integer, choice, colour          the 32-bit value; a negative choice written becomes 0
//   boolean                          read: 1 only for an answer of exactly 1; write: non-zero -> 1
//   1002, 1004                       both words
//   picture, icon, sound, pointer    a byte-set block (int 1, int n, n bytes); 0 = empty
//   font                             a FontRecord, or one part of it (see below)
//   texts and every other type       a NUL-terminated GBK text; 0 = empty
// Everything a read returns is a new block from AllocateBlock that the caller frees.
#include <cstdint>
#include <string>
#include <vector>

#include "core/KindInterface.h"
#include "contract/ServiceTable.h"

// The font record of a whole-font read or write; font part numbers 0 to 6 name its fields in
// order.
struct FontRecord {
    int32_t angle = 0;  // tenths of a degree
    int32_t bold = 0;
    int32_t italic = 0;
    int32_t underline = 0;
    int32_t strike_out = 0;
    int32_t size = 0;           // points
    char* face_name = nullptr;  // a new GBK text owned with the record; null = empty
};
constexpr int32_t kFontPartAngle = 0;
constexpr int32_t kFontPartFaceName = 6;

// The kind's answer as the service value.
uint64_t ConvertRead(uint16_t type, const PropertyValue& answer);

// A service value ready for a kind's set entry. Texts and byte blocks point into the
// caller's memory or into `storage`, which must outlive the set call.
PropertyValue ConvertWrite(uint16_t type, uint64_t value, std::vector<uint8_t>& storage);

// Fonts as stored: empty (the default GUI font, described by `default_font`) or a 60-byte
// LOGFONT.
std::vector<uint8_t> LogFontOrDefault(const PropertyValue& answer, const std::vector<uint8_t>& default_font);
// Whole font (-1): a new FontRecord; part numbers 0 to 5 the number; 6 the face name as a new
// text.
uint64_t ReadFontPart(const std::vector<uint8_t>& log_font, int32_t part);
// Merges a written value into a LOGFONT: part -1 takes a FontRecord address (null leaves the
// font as it is), part numbers 0 to 6 one field. An empty face name, or one too long for the 32-byte
// field with its NUL, becomes "宋体".
void WriteFontPart(std::vector<uint8_t>& log_font, int32_t part, uint64_t value);
