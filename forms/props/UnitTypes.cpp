#include "forms/props/UnitTypes.h"


namespace {

constexpr PropertyDescriptor Common(uint16_t type) { return {.type = type, .flags = kCommonPropertyFlags}; }
constexpr PropertyDescriptor Own(uint16_t type) { return {.type = type, .flags = kOwnPropertyFlags}; }

// Properties 0-7 of every kind: left, top, width, height, tag, visible, disabled, pointer.
#define COMMON_PROPERTIES                                                                        \
    Common(PROP_INTEGER), Common(PROP_INTEGER), Common(PROP_INTEGER), Common(PROP_INTEGER),      \
        Common(PROP_TEXT), Common(PROP_BOOLEAN), Common(PROP_BOOLEAN), Common(PROP_MOUSE_POINTER)

constexpr PropertyDescriptor kWindowProperties[] = {
    COMMON_PROPERTIES,
    Own(PROP_TEXT),            // 8 caption
    Own(PROP_CHOICE),          // 9 border style
    Own(PROP_COLOUR_DEFAULT),  // 10 background colour
    Own(PROP_PICTURE),         // 11 background picture
    Own(PROP_CHOICE),          // 12 background-picture mode
    Own(PROP_SOUND),           // 13 sound
    Own(PROP_ICON),            // 14 icon
    Own(PROP_BOOLEAN),         // 15 control box
    Own(PROP_BOOLEAN),         // 16 maximise box
    Own(PROP_BOOLEAN),         // 17 minimise box
    Own(PROP_CHOICE),          // 18 window state
    Own(PROP_CHOICE),          // 19 start position
    Own(PROP_BOOLEAN),         // 20 movable
    Own(PROP_BOOLEAN),         // 21 always on top
    Own(PROP_CHOICE),          // 22 window shape
    Own(PROP_BOOLEAN),         // 23 Enter moves focus
    Own(PROP_BOOLEAN),         // 24 Escape closes
    Own(PROP_BOOLEAN),         // 25 F1 opens help
    Own(PROP_TEXT),            // 26 help file
    Own(PROP_INTEGER),         // 27 help context
    Own(PROP_CHOICE),          // 28 stored choice word
    Own(PROP_INTEGER),         // 29-31 words kept as stored
    Own(PROP_INTEGER),
    Own(PROP_INTEGER),
};

constexpr PropertyDescriptor kEditBoxProperties[] = {
    COMMON_PROPERTIES,
    Own(PROP_TEXT),            // 8 content
    Own(PROP_CHOICE),          // 9 border
    Own(PROP_COLOUR),          // 10 text colour
    Own(PROP_COLOUR_DEFAULT),  // 11 background colour
    Own(PROP_FONT),            // 12 font
    Own(PROP_BOOLEAN),         // 13 hide selection
    Own(PROP_INTEGER),         // 14 maximum length
    Own(PROP_BOOLEAN),         // 15 multi-line
    Own(PROP_CHOICE),          // 16 scroll bars
    Own(PROP_CHOICE),          // 17 alignment
    Own(PROP_CHOICE),          // 18 input mode
    Own(PROP_TEXT),            // 19 password character
    Own(PROP_CHOICE),          // 20 case conversion
    Own(PROP_BOOLEAN),         // 21 up-down control
    Own(PROP_INTEGER),         // 22-25 its numbers
    Own(PROP_INTEGER),
    Own(PROP_INTEGER),
    Own(PROP_INTEGER),
    Own(PROP_TEXT),            // 26 selected text
    Own(PROP_EXTRA_TEXT1),     // 27
    Own(PROP_EXTRA_TEXT2),     // 28
};

constexpr PropertyDescriptor kPicBoxProperties[] = {
    COMMON_PROPERTIES,
    Own(PROP_CHOICE),          // 8 border
    Own(PROP_COLOUR_DEFAULT),  // 9 background colour
    Own(PROP_PICTURE),         // 10 picture
    Own(PROP_CHOICE),          // 11 display mode
    Own(PROP_BOOLEAN),         // 12 animate
    Own(PROP_EXTRA_TEXT1),     // 13
    Own(PROP_EXTRA_TEXT2),     // 14
};

constexpr PropertyDescriptor kShapeBoxProperties[] = {
    COMMON_PROPERTIES,
    Own(PROP_COLOUR_DEFAULT),  // 8 background colour
    Own(PROP_CHOICE),          // 9 shape
    Own(PROP_CHOICE),          // 10 3-D effect
    Own(PROP_CHOICE),          // 11 line style
    Own(PROP_INTEGER),         // 12 line width
    Own(PROP_COLOUR),          // 13 line colour
    Own(PROP_COLOUR),          // 14 fill colour
};

constexpr PropertyDescriptor kLabelProperties[] = {
    COMMON_PROPERTIES,
    Own(PROP_TEXT),            // 8 caption
    Own(PROP_CHOICE),          // 9 text effect
    Own(PROP_CHOICE),          // 10 border
    Own(PROP_INTEGER),         // 11 gradient-border width
    Own(PROP_COLOUR),          // 12-14 gradient-border colours
    Own(PROP_COLOUR),
    Own(PROP_COLOUR),
    Own(PROP_FONT),            // 15 font
    Own(PROP_COLOUR),          // 16 text colour
    Own(PROP_COLOUR_DEFAULT),  // 17 background colour
    Own(PROP_PICTURE),         // 18 background picture
    Own(PROP_CHOICE),          // 19 picture mode
    Own(PROP_CHOICE),          // 20 gradient-background mode
    Own(PROP_COLOUR),          // 21-23 gradient-background colours
    Own(PROP_COLOUR),
    Own(PROP_COLOUR),
    Own(PROP_CHOICE),          // 24 horizontal alignment
    Own(PROP_BOOLEAN),         // 25 word wrap
    Own(PROP_CHOICE),          // 26 vertical alignment
    Own(PROP_EXTRA_TEXT1),     // 27
    Own(PROP_EXTRA_TEXT2),     // 28
};

constexpr PropertyDescriptor kButtonProperties[] = {
    COMMON_PROPERTIES,
    Own(PROP_PICTURE),         // 8 picture
    Own(PROP_CHOICE),          // 9 default button
    Own(PROP_TEXT),            // 10 caption
    Own(PROP_CHOICE),          // 11 horizontal alignment
    Own(PROP_CHOICE),          // 12 vertical alignment
    Own(PROP_FONT),            // 13 font
};

#undef COMMON_PROPERTIES

// Names are GBK: 窗口, 编辑框, 图片框, 外形框, 标签, 按钮.
const KindInfo kKinds[] = {
    {0, KIND_WINDOW, "\xB4\xB0\xBF\xDA", "window", 0x800000D0, kWindowProperties},
    {4, KIND_EDIT_BOX, "\xB1\xE0\xBC\xAD\xBF\xF2", "EditBox", 0x80000040, kEditBoxProperties},
    {5, KIND_PIC_BOX, "\xCD\xBC\xC6\xAC\xBF\xF2", "PicBox", 0x840100C0, kPicBoxProperties},
    {6, KIND_SHAPE_BOX, "\xCD\xE2\xD0\xCE\xBF\xF2", "ShapeBox", 0x840100C0, kShapeBoxProperties},
    {9, KIND_LABEL, "\xB1\xEA\xC7\xA9", "Label", 0x84012040, kLabelProperties},
    {10, KIND_BUTTON, "\xB0\xB4\xC5\xA5", "Button", 0x80000840, kButtonProperties},
};

}  // namespace

std::span<const KindInfo> Kinds()
{
    return kKinds;
}

UnitTypeTable MakeUnitTypeTable(std::span<const KindInterfaceRow> interfaces)
{
    UnitTypeTable table{};
    for (const KindInfo& kind : kKinds) {
        auto& slot = table[size_t(kind.slot)];
        slot.name = kind.name;
        slot.english_name = kind.english_name;
        slot.kind_flags = kind.kind_flags;
        slot.property_count = uint32_t(kind.properties.size());
        slot.properties = kind.properties.data();
        for (const KindInterfaceRow& row : interfaces) {
            if (row.code == kind.code)
                slot.interface_fn = row.interface_fn;
        }
    }
    return table;
}
