#pragma once
// Label property set: its own property numbers, choice values, struct and table.
#include "core/props/PropertySet.h"
#include "core/props/PropertyTable.h"
#include "core/props/UnitTypes.h"

constexpr uint32_t kLabelMaxVersion = 2;

// Own property numbers (the property number less 8).
struct LabelOwn {
    // clang-format off
    enum : int32_t {
        Caption, TextEffect, Border, GradientBorderWidth, GradientBorder0, GradientBorder1,
        GradientBorder2, Font, TextColour, Background, Picture, PictureMode, GradientMode,
        GradientBackground0, GradientBackground1, GradientBackground2, HorizontalAlignment,
        WordWrap, VerticalAlignment, ExtraText1, ExtraText2,
        Count
    };
    // clang-format on
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
    int32_t text_effect = 0;                                       // TextEffect
    int32_t gradient_border_width = 8;                             // values below 5 become 5
    int32_t border = 0;                                            // BorderStyle, up to Gradient
    uint32_t gradient_border[3] = {0x808080, 0xFFFFFF, 0x808080};  // kButtonFaceColour = left out
    uint32_t text_colour = 0x000000;
    uint32_t background = kButtonFaceColour;
    int32_t picture_mode = int32_t(PictureMode::Stretched);
    int32_t gradient_mode = kGradientNone;  // up to kGradientLastMode
    uint32_t gradient_background[3] = {0x808080, 0xFFFFFF, 0x808080};
    int32_t horizontal_alignment = 0;                                 // HorizontalAlignment
    int32_t vertical_alignment = int32_t(VerticalAlignment::Centre);  // single line only
    int32_t word_wrap = 0;
    std::vector<uint8_t> font{};               // empty or a LOGFONT
    std::vector<uint8_t> picture{};            // background picture file bytes
    std::string caption = "\xB1\xEA\xC7\xA9";  // "标签"
    std::string extra_text1{};
    std::string extra_text2{};
};

template <>
struct KindTable<LabelProps> {
    using P = LabelProps;
    static constexpr const char* kName = "\xB1\xEA\xC7\xA9";  // 标签
    static constexpr const char* kEnglishName = "Label";
    static constexpr uint32_t kFlags = kKindBuiltIn | kKindOwnWindowClass | kKindRaisesEvents |
                                       UnreadKindFlags(0x2000);
    static constexpr uint32_t kMaxVersion = kLabelMaxVersion;
    static constexpr int32_t kOwnCount = LabelOwn::Count;
    // In stored order.
    // clang-format off
    static constexpr PropertyRow<P> kRows[] = {
        Property<&P::text_effect>(LabelOwn::TextEffect, "textEffect", PROP_CHOICE).UpTo(TextEffect::BlackShadow),
        Property<&P::gradient_border_width>(LabelOwn::GradientBorderWidth, "gradientBorderWidth", PROP_INTEGER).AtLeast(kLabelMinGradientWidth),
        Property<&P::border>(LabelOwn::Border, "border", PROP_CHOICE).UpTo(BorderStyle::Gradient),
        Property<&P::gradient_border>(LabelOwn::GradientBorder0, "gradientBorder", PROP_COLOUR),
        Property<&P::text_colour>(LabelOwn::TextColour, "textColour", PROP_COLOUR),
        Property<&P::background>(LabelOwn::Background, "background", PROP_COLOUR_DEFAULT),
        Property<&P::picture_mode>(LabelOwn::PictureMode, "pictureMode", PROP_CHOICE).UpTo(PictureMode::Last),
        Property<&P::gradient_mode>(LabelOwn::GradientMode, "gradientMode", PROP_CHOICE).UpTo(kGradientLastMode),
        Property<&P::gradient_background>(LabelOwn::GradientBackground0, "gradientBackground", PROP_COLOUR),
        Property<&P::horizontal_alignment>(LabelOwn::HorizontalAlignment, "alignment", PROP_CHOICE).UpTo(HorizontalAlignment::Right),
        Property<&P::vertical_alignment>(LabelOwn::VerticalAlignment, "verticalAlignment", PROP_CHOICE).UpTo(VerticalAlignment::Bottom),
        Property<&P::word_wrap>(LabelOwn::WordWrap, "wordWrap", PROP_BOOLEAN),
        Property<&P::font>(LabelOwn::Font, "font", PROP_FONT),
        Property<&P::picture>(LabelOwn::Picture, "picture", PROP_PICTURE),
        Property<&P::caption>(LabelOwn::Caption, "text", PROP_TEXT),
        Property<&P::extra_text1>(LabelOwn::ExtraText1, "extraText1", PROP_EXTRA_TEXT1).Since(2),
        Property<&P::extra_text2>(LabelOwn::ExtraText2, "extraText2", PROP_EXTRA_TEXT2).Since(2),
    };
    // clang-format on
};
