#pragma once
// Button property set. Own numbers in comments; fields in stored order.
#include "forms/props/PropertySet.h"

constexpr uint32_t kButtonMaxVersion = 1;
constexpr int32_t kButtonOwnCount = 6;

struct ButtonProps {
    uint32_t version = kButtonMaxVersion;
    int32_t default_button = 0;         // own 1, 0-1
    int32_t horizontal_alignment = 1;   // own 3, 0-2: left, centre, right
    int32_t vertical_alignment = 1;     // own 4, 0-2: top, centre, bottom
    std::vector<uint8_t> picture{};     // own 0, picture file bytes shown on the face
    std::vector<uint8_t> font{};        // own 5, empty or a LOGFONT
    std::string caption = "\xB0\xB4\xC5\xA5";  // own 2, "按钮"
};

template <>
std::optional<ButtonProps> ReadProps<ButtonProps>(std::span<const uint8_t> data);
std::vector<uint8_t> WriteProps(const ButtonProps& props);
bool GetOwnProperty(const ButtonProps& props, int32_t own, PropertyValue* value);
SetOutcome SetOwnProperty(ButtonProps& props, int32_t own, const PropertyValue& value);
