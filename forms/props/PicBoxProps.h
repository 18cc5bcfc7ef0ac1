#pragma once
// PicBox property set. Own numbers in comments; fields in stored order.
#include "forms/props/PropertySet.h"
#include "forms/props/UnitTypes.h"

constexpr uint32_t kPicBoxMaxVersion = 2;

// Own property numbers (the property number less 8).
struct PicBoxOwn {
    enum : int32_t { Border, Background, Picture, DisplayMode, Animate, ExtraText1, ExtraText2, Count };
};

struct PicBoxProps {
    static constexpr uint32_t kKindCode = KIND_PIC_BOX;
    uint32_t version = kPicBoxMaxVersion;
    int32_t border = 0;                        // own 0 (BorderStyle, up to SingleLine)
    uint32_t background = kButtonFaceColour;   // own 1, type 1017
    int32_t display_mode = 0;                  // own 3 (PictureMode)
    int32_t animate = 1;                       // own 4, boolean
    std::vector<uint8_t> picture{};     // own 2, picture file bytes (a JPEG here)
    std::string extra_text1{};          // own 5, [v2]
    std::string extra_text2{};          // own 6, [v2]
};

template <>
std::optional<PicBoxProps> ReadProps<PicBoxProps>(std::span<const uint8_t> data);
std::vector<uint8_t> WriteProps(const PicBoxProps& props);
bool GetOwnProperty(const PicBoxProps& props, int32_t own, PropertyValue* value);
SetOutcome SetOwnProperty(PicBoxProps& props, int32_t own, const PropertyValue& value);
