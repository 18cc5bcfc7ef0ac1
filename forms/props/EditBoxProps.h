#pragma once
// EditBox property set. Own numbers (property number less 8) in comments; the fields are in
// stored order. Own 1, 8, 9, 10 and 12 are choices clamped to their range when written.
#include "forms/props/PropertySet.h"

constexpr uint32_t kEditBoxMaxVersion = 2;
constexpr int32_t kEditBoxOwnCount = 21;

struct EditBoxProps {
    uint32_t version = kEditBoxMaxVersion;
    int32_t border = 1;                // own 1, 0-5: the shared border styles
    uint32_t text_colour = 0x000000;   // own 2
    uint32_t background = 0xFFFFFF;    // own 3, type 1017
    int32_t hide_selection = 1;        // own 5, boolean
    int32_t max_length = 0;            // own 6, 0 = no limit but the system's
    int32_t multi_line = 0;            // own 7, boolean; rebuild
    int32_t scroll_bars = 0;           // own 8, 0-3: none, horizontal, vertical, both; rebuild
    int32_t alignment = 0;             // own 9, 0-2: left, centre, right; rebuild
    int32_t input_mode = 0;            // own 10, 0-11: 0 normal, 1 read-only, 2 password
    uint8_t password_char[2] = {'*', 0};  // own 11, stored as 16 bits; first byte used
    int32_t case_conversion = 0;       // own 12, 0-2: none, lower, upper; rebuild
    int32_t up_down = 0;               // own 13, attached up-down control on a single-line box; rebuild
    int32_t up_down_words[4] = {0, 100, 0, 0};  // own 14-17, the up-down control's numbers
    std::vector<uint8_t> font{};        // own 4, empty or a LOGFONT
    std::string content{};              // own 0, the text
    std::string extra_text1{};          // own 19, [v2]
    std::string extra_text2{};          // own 20, [v2]
    // Own 18, the selected text, lives only in the control; the struct answers empty.
};

template <>
std::optional<EditBoxProps> ReadProps<EditBoxProps>(std::span<const uint8_t> data);
std::vector<uint8_t> WriteProps(const EditBoxProps& props);
bool GetOwnProperty(const EditBoxProps& props, int32_t own, PropertyValue* value);
SetOutcome SetOwnProperty(EditBoxProps& props, int32_t own, const PropertyValue& value);
