#pragma once
// EditBox property set: its own property numbers, choice values, struct and table.
#include "core/props/PropertySet.h"
#include "core/props/PropertyTable.h"
#include "core/props/UnitTypes.h"

constexpr uint32_t kEditBoxMaxVersion = 2;

// Own property numbers (the property number less 8).
struct EditBoxOwn {
    // clang-format off
    enum : int32_t {
        Content, Border, TextColour, Background, Font, HideSelection, MaxLength, MultiLine,
        ScrollBars, Alignment, InputMode, PasswordChar, CaseConversion, UpDown,
        UpDownWord0, UpDownWord1, UpDownWord2, UpDownWord3, Selection, ExtraText1, ExtraText2,
        Count
    };
    // clang-format on
};

enum class ScrollBars : int32_t { None, Horizontal, Vertical, Both };
// 3 to 11 are input modes this runtime treats as normal.
enum class InputMode : int32_t { Normal, ReadOnly, Password, Last = 11 };
enum class CaseConversion : int32_t { None, Lower, Upper };

struct EditBoxProps {
    static constexpr uint32_t kKindCode = KIND_EDIT_BOX;
    uint32_t version = kEditBoxMaxVersion;
    int32_t border = int32_t(BorderStyle::SunkenClient);  // BorderStyle, up to SingleLine
    uint32_t text_colour = 0x000000;
    uint32_t background = 0xFFFFFF;
    int32_t hide_selection = 1;
    int32_t max_length = 0;  // 0 = no limit but the system's
    int32_t multi_line = 0;
    int32_t scroll_bars = 0;                    // ScrollBars
    int32_t alignment = 0;                      // HorizontalAlignment
    int32_t input_mode = 0;                     // InputMode
    uint8_t password_char[2] = {'*', 0};        // first byte used
    int32_t case_conversion = 0;                // CaseConversion
    int32_t up_down = 0;                        // attached up-down control on a single-line box
    int32_t up_down_words[4] = {0, 100, 0, 0};  // the up-down control's numbers
    std::vector<uint8_t> font{};                // empty or a LOGFONT
    std::string content{};
    std::string extra_text1{};
    std::string extra_text2{};
};

// Multi-line, scroll bars, alignment, case conversion and the up-down control are window
// styles fixed when the control is made, so changing them rebuilds the unit. The selected
// text lives only in the control.
template <>
struct KindTable<EditBoxProps> {
    using P = EditBoxProps;
    static constexpr const char* kName = "\xB1\xE0\xBC\xAD\xBF\xF2";  // 编辑框
    static constexpr const char* kEnglishName = "EditBox";
    static constexpr uint32_t kFlags = kKindBuiltIn | kKindRaisesEvents;
    static constexpr uint32_t kMaxVersion = kEditBoxMaxVersion;
    static constexpr int32_t kOwnCount = EditBoxOwn::Count;
    // In stored order.
    // clang-format off
    static constexpr PropertyRow<P> kRows[] = {
        Property<&P::border>(EditBoxOwn::Border, "border", PROP_CHOICE).UpTo(BorderStyle::SingleLine),
        Property<&P::text_colour>(EditBoxOwn::TextColour, "textColour", PROP_COLOUR),
        Property<&P::background>(EditBoxOwn::Background, "background", PROP_COLOUR_DEFAULT),
        Property<&P::hide_selection>(EditBoxOwn::HideSelection, "hideSelection", PROP_BOOLEAN),
        Property<&P::max_length>(EditBoxOwn::MaxLength, "maxLength", PROP_INTEGER),
        Property<&P::multi_line>(EditBoxOwn::MultiLine, "multiLine", PROP_BOOLEAN).Rebuilds(),
        Property<&P::scroll_bars>(EditBoxOwn::ScrollBars, "scrollBars", PROP_CHOICE).UpTo(ScrollBars::Both).Rebuilds(),
        Property<&P::alignment>(EditBoxOwn::Alignment, "alignment", PROP_CHOICE).UpTo(HorizontalAlignment::Right).Rebuilds(),
        Property<&P::input_mode>(EditBoxOwn::InputMode, "inputMode", PROP_CHOICE).UpTo(InputMode::Last),
        Property<&P::password_char>(EditBoxOwn::PasswordChar, "passwordChar", PROP_TEXT),
        Property<&P::case_conversion>(EditBoxOwn::CaseConversion, "caseConversion", PROP_CHOICE).UpTo(CaseConversion::Upper).Rebuilds(),
        Property<&P::up_down>(EditBoxOwn::UpDown, "upDown", PROP_BOOLEAN).Rebuilds(),
        Property<&P::up_down_words>(EditBoxOwn::UpDownWord0, "upDownWords", PROP_INTEGER),
        Property<&P::font>(EditBoxOwn::Font, "font", PROP_FONT),
        Property<&P::content>(EditBoxOwn::Content, "text", PROP_TEXT),
        Property<&P::extra_text1>(EditBoxOwn::ExtraText1, "extraText1", PROP_EXTRA_TEXT1).Since(2),
        Property<&P::extra_text2>(EditBoxOwn::ExtraText2, "extraText2", PROP_EXTRA_TEXT2).Since(2),
        LiveProperty<P>(EditBoxOwn::Selection, "selection", PROP_TEXT),
    };
    // clang-format on
};
