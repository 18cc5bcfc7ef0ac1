#pragma once
// EditBox property set. Own numbers (property number less 8) in comments; the fields are in
// stored order. Own 1, 8, 9, 10 and 12 are choices clamped to their range when written.
#include "forms/props/PropertySet.h"
#include "forms/props/UnitTypes.h"

constexpr uint32_t kEditBoxMaxVersion = 2;

// Own property numbers (the property number less 8).
struct EditBoxOwn {
    enum : int32_t {
        Content, Border, TextColour, Background, Font, HideSelection, MaxLength, MultiLine,
        ScrollBars, Alignment, InputMode, PasswordChar, CaseConversion, UpDown,
        UpDownWord0, UpDownWord1, UpDownWord2, UpDownWord3, Selection, ExtraText1, ExtraText2,
        Count
    };
};

enum class ScrollBars : int32_t { None, Horizontal, Vertical, Both };
// 3 to 11 are input modes this runtime treats as normal.
enum class InputMode : int32_t { Normal, ReadOnly, Password, Last = 11 };
enum class CaseConversion : int32_t { None, Lower, Upper };

struct EditBoxProps {
    static constexpr uint32_t kKindCode = KIND_EDIT_BOX;
    uint32_t version = kEditBoxMaxVersion;
    int32_t border = int32_t(BorderStyle::SunkenClient);  // own 1 (BorderStyle, up to SingleLine)
    uint32_t text_colour = 0x000000;   // own 2
    uint32_t background = 0xFFFFFF;    // own 3, type 1017
    int32_t hide_selection = 1;        // own 5, boolean
    int32_t max_length = 0;            // own 6, 0 = no limit but the system's
    int32_t multi_line = 0;            // own 7, boolean; rebuild
    int32_t scroll_bars = 0;           // own 8 (ScrollBars); rebuild
    int32_t alignment = 0;             // own 9 (HorizontalAlignment); rebuild
    int32_t input_mode = 0;            // own 10 (InputMode)
    uint8_t password_char[2] = {'*', 0};  // own 11, stored as 16 bits; first byte used
    int32_t case_conversion = 0;       // own 12 (CaseConversion); rebuild
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
