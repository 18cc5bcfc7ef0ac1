#pragma once
// Label property set. Own numbers in comments; fields in stored order.
#include "forms/props/PropertySet.h"
#include "forms/props/UnitTypes.h"

constexpr uint32_t kLabelMaxVersion = 2;

// Own property numbers (the property number less 8).
struct LabelOwn {
    enum : int32_t {
        Caption, TextEffect, Border, GradientBorderWidth, GradientBorder0, GradientBorder1,
        GradientBorder2, Font, TextColour, Background, Picture, PictureMode, GradientMode,
        GradientBackground0, GradientBackground1, GradientBackground2, HorizontalAlignment,
        WordWrap, VerticalAlignment, ExtraText1, ExtraText2,
        Count
    };
};

// How the caption is drawn twice for an effect: a white copy one pixel down-right behind
// it, a white copy in place with the caption one pixel down-right, or a black shadow two
// pixels down-right.
enum class TextEffect : int32_t { None, WhiteBehind, WhiteInPlace, BlackShadow };
// Gradient-background modes 1-8: left to right, top to bottom and the two diagonals, then
// the same four reversed; 0 draws none.
constexpr int32_t kGradientNone = 0;
constexpr int32_t kGradientLastMode = 8;
constexpr int32_t kLabelMinGradientWidth = 5;

struct LabelProps {
    static constexpr uint32_t kKindCode = KIND_LABEL;
    uint32_t version = kLabelMaxVersion;
    int32_t text_effect = 0;              // own 1 (TextEffect)
    int32_t gradient_border_width = 8;    // own 3, values below 5 become 5
    int32_t border = 0;                   // own 2 (BorderStyle, up to Gradient)
    uint32_t gradient_border[3] = {0x808080, 0xFFFFFF, 0x808080};  // own 4-6, kButtonFaceColour = left out
    uint32_t text_colour = 0x000000;      // own 8
    uint32_t background = kButtonFaceColour;  // own 9, type 1017
    int32_t picture_mode = int32_t(PictureMode::Stretched);  // own 11 (PictureMode)
    int32_t gradient_mode = kGradientNone;  // own 12, up to kGradientLastMode
    uint32_t gradient_background[3] = {0x808080, 0xFFFFFF, 0x808080};  // own 13-15
    int32_t horizontal_alignment = 0;     // own 16 (HorizontalAlignment)
    int32_t vertical_alignment = int32_t(VerticalAlignment::Centre);  // own 18, single line only
    int32_t word_wrap = 0;                // own 17, boolean
    std::vector<uint8_t> font{};        // own 7, empty or a LOGFONT
    std::vector<uint8_t> picture{};     // own 10, background picture file bytes
    std::string caption = "\xB1\xEA\xC7\xA9";  // own 0, "标签"
    std::string extra_text1{};          // own 19, [v2]
    std::string extra_text2{};          // own 20, [v2]
};

template <>
std::optional<LabelProps> ReadProps<LabelProps>(std::span<const uint8_t> data);
std::vector<uint8_t> WriteProps(const LabelProps& props);
bool GetOwnProperty(const LabelProps& props, int32_t own, PropertyValue* value);
SetOutcome SetOwnProperty(LabelProps& props, int32_t own, const PropertyValue& value);
