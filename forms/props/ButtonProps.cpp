#include "forms/props/ButtonProps.h"

#include "forms/props/OwnField.h"

namespace {

template <class Io, class P>
void Transfer(Io& io, P& p)
{
    io.I32(p.default_button);
    io.I32(p.horizontal_alignment);
    io.I32(p.vertical_alignment);
    io.Block(p.picture);
    io.Block(p.font);
    io.Text(p.caption);
}

FieldRef Field(ButtonProps& p, int32_t own)
{
    switch (own) {
    case 0: return BlockField(p.picture);
    case 1: return ChoiceField(p.default_button, 1);
    case 2: return TextField(p.caption);
    case 3: return ChoiceField(p.horizontal_alignment, 2);
    case 4: return ChoiceField(p.vertical_alignment, 2);
    case 5: return FontField(p.font);
    default: return {};
    }
}

}  // namespace

DEFINE_PROPERTY_SET(ButtonProps, kButtonMaxVersion, kButtonOwnCount)
