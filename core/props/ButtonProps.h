#pragma once
// Button property set: its own property numbers, struct and table.
#include "core/props/PropertySet.h"
#include "core/props/PropertyTable.h"
#include "core/props/UnitTypes.h"

constexpr uint32_t kButtonMaxVersion = 1;

// Own property numbers (the property number less 8).
struct ButtonOwn {
    enum : int32_t { Picture, DefaultButton, Caption, HorizontalAlignment, VerticalAlignment, Font, Count };
};

struct ButtonProps {
    static constexpr uint32_t kKindCode = KIND_BUTTON;
    uint32_t version = kButtonMaxVersion;
    int32_t default_button = 0;  // 1 = the window's default button
    int32_t horizontal_alignment = int32_t(HorizontalAlignment::Centre);
    int32_t vertical_alignment = int32_t(VerticalAlignment::Centre);
    std::vector<uint8_t> picture{};            // picture file bytes shown on the face
    std::vector<uint8_t> font{};               // empty or a LOGFONT
    std::string caption = "\xB0\xB4\xC5\xA5";  // "按钮"
};

template <>
struct KindTable<ButtonProps> {
    using P = ButtonProps;
    static constexpr const char* kName = "\xB0\xB4\xC5\xA5";  // 按钮
    static constexpr const char* kEnglishName = "Button";
    static constexpr uint32_t kFlags = kKindBuiltIn | kKindRaisesEvents | UnreadKindFlags(0x800);
    static constexpr uint32_t kMaxVersion = kButtonMaxVersion;
    static constexpr int32_t kOwnCount = ButtonOwn::Count;
    // In stored order.
    // clang-format off
    static constexpr PropertyRow<P> kRows[] = {
        Property<&P::default_button>(ButtonOwn::DefaultButton, "defaultButton", PROP_CHOICE).UpTo(1),
        Property<&P::horizontal_alignment>(ButtonOwn::HorizontalAlignment, "alignment", PROP_CHOICE).UpTo(HorizontalAlignment::Right),
        Property<&P::vertical_alignment>(ButtonOwn::VerticalAlignment, "verticalAlignment", PROP_CHOICE).UpTo(VerticalAlignment::Bottom),
        Property<&P::picture>(ButtonOwn::Picture, "picture", PROP_PICTURE),
        Property<&P::font>(ButtonOwn::Font, "font", PROP_FONT),
        Property<&P::caption>(ButtonOwn::Caption, "text", PROP_TEXT),
    };
    // clang-format on
};
