#pragma once
// PicBox property set: its own property numbers, struct and table.
#include "core/props/PropertySet.h"
#include "core/props/PropertyTable.h"
#include "core/props/UnitTypes.h"

constexpr uint32_t kPicBoxMaxVersion = 2;

// Own property numbers (the property number less 8).
struct PicBoxOwn {
    enum : int32_t { Border, Background, Picture, DisplayMode, Animate, ExtraText1, ExtraText2, Count };
};

struct PicBoxProps {
    static constexpr uint32_t kKindCode = KIND_PIC_BOX;
    uint32_t version = kPicBoxMaxVersion;
    int32_t border = 0;  // BorderStyle, up to SingleLine
    uint32_t background = kButtonFaceColour;
    int32_t display_mode = 0;  // PictureMode
    int32_t animate = 1;
    std::vector<uint8_t> picture{};  // picture file bytes (a JPEG here)
    std::string extra_text1{};
    std::string extra_text2{};
};

template <>
struct KindTable<PicBoxProps> {
    using P = PicBoxProps;
    static constexpr const char* kName = "\xCD\xBC\xC6\xAC\xBF\xF2";  // 图片框
    static constexpr const char* kEnglishName = "PicBox";
    static constexpr uint32_t kFlags = kKindBuiltIn | kKindOwnWindowClass | kKindRaisesEvents |
                                       UnreadKindFlags(0x80);
    static constexpr uint32_t kMaxVersion = kPicBoxMaxVersion;
    static constexpr int32_t kOwnCount = PicBoxOwn::Count;
    // In stored order.
    static constexpr PropertyRow<P> kRows[] = {
        Property<&P::border>(PicBoxOwn::Border, "border", PROP_CHOICE).UpTo(BorderStyle::SingleLine),
        Property<&P::background>(PicBoxOwn::Background, "background", PROP_COLOUR_DEFAULT),
        Property<&P::display_mode>(PicBoxOwn::DisplayMode, "displayMode", PROP_CHOICE).UpTo(PictureMode::Last),
        Property<&P::animate>(PicBoxOwn::Animate, "animate", PROP_BOOLEAN),
        Property<&P::picture>(PicBoxOwn::Picture, "picture", PROP_PICTURE),
        Property<&P::extra_text1>(PicBoxOwn::ExtraText1, "extraText1", PROP_EXTRA_TEXT1).Since(2),
        Property<&P::extra_text2>(PicBoxOwn::ExtraText2, "extraText2", PROP_EXTRA_TEXT2).Since(2),
    };
};
