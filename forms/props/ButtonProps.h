#pragma once
// Button property set. Own numbers in comments; fields in stored order.
#include "forms/props/PropertySet.h"
#include "forms/props/UnitTypes.h"

constexpr uint32_t kButtonMaxVersion = 1;

// Own property numbers (the property number less 8).
struct ButtonOwn {
    enum : int32_t { Picture, DefaultButton, Caption, HorizontalAlignment, VerticalAlignment, Font, Count };
};

struct ButtonProps {
    static constexpr uint32_t kKindCode = KIND_BUTTON;
    uint32_t version = kButtonMaxVersion;
    int32_t default_button = 0;         // own 1, 0-1: 1 = the window's default button
    int32_t horizontal_alignment = int32_t(HorizontalAlignment::Centre);  // own 3
    int32_t vertical_alignment = int32_t(VerticalAlignment::Centre);      // own 4
    std::vector<uint8_t> picture{};     // own 0, picture file bytes shown on the face
    std::vector<uint8_t> font{};        // own 5, empty or a LOGFONT
    std::string caption = "\xB0\xB4\xC5\xA5";  // own 2, "按钮"
};

template <>
std::optional<ButtonProps> ReadProps<ButtonProps>(std::span<const uint8_t> data);
std::vector<uint8_t> WriteProps(const ButtonProps& props);
bool GetOwnProperty(const ButtonProps& props, int32_t own, PropertyValue* value);
SetOutcome SetOwnProperty(ButtonProps& props, int32_t own, const PropertyValue& value);
