#include "forms/props/LabelProps.h"

#include "forms/props/OwnField.h"

namespace {

template <class Io, class P>
void Transfer(Io& io, P& p)
{
    io.I32(p.text_effect);
    io.I32(p.gradient_border_width);
    io.I32(p.border);
    io.Words(p.gradient_border);
    io.U32(p.text_colour);
    io.U32(p.background);
    io.I32(p.picture_mode);
    io.I32(p.gradient_mode);
    io.Words(p.gradient_background);
    io.I32(p.horizontal_alignment);
    io.I32(p.vertical_alignment);
    io.I32(p.word_wrap);
    io.Block(p.font);
    io.Block(p.picture);
    io.Text(p.caption);
    if (p.version >= 2) {
        io.Text(p.extra_text1);
        io.Text(p.extra_text2);
    }
}

FieldRef Field(LabelProps& p, int32_t own)
{
    switch (own) {
    case 0: return TextField(p.caption);
    case 1: return ChoiceField(p.text_effect, 3);
    case 2: return ChoiceField(p.border, 6);
    case 3: return IntegerField(p.gradient_border_width, kLabelMinGradientWidth);
    case 4: case 5: case 6: return ColourField(p.gradient_border[own - 4]);
    case 7: return FontField(p.font);
    case 8: return ColourField(p.text_colour);
    case 9: return ColourField(p.background);
    case 10: return BlockField(p.picture);
    case 11: return ChoiceField(p.picture_mode, 2);
    case 12: return ChoiceField(p.gradient_mode, 8);
    case 13: case 14: case 15: return ColourField(p.gradient_background[own - 13]);
    case 16: return ChoiceField(p.horizontal_alignment, 2);
    case 17: return BooleanField(p.word_wrap);
    case 18: return ChoiceField(p.vertical_alignment, 2);
    case 19: return Since(2, TextField(p.extra_text1));
    case 20: return Since(2, TextField(p.extra_text2));
    default: return {};
    }
}

}  // namespace

DEFINE_PROPERTY_SET(LabelProps, kLabelMaxVersion, kLabelOwnCount)
