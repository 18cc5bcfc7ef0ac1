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
    case ButtonOwn::Picture: return BlockField(p.picture);
    case ButtonOwn::DefaultButton: return ChoiceField(p.default_button, 1);
    case ButtonOwn::Caption: return TextField(p.caption);
    case ButtonOwn::HorizontalAlignment: return ChoiceField(p.horizontal_alignment, int32_t(HorizontalAlignment::Right));
    case ButtonOwn::VerticalAlignment: return ChoiceField(p.vertical_alignment, int32_t(VerticalAlignment::Bottom));
    case ButtonOwn::Font: return FontField(p.font);
    default: return {};
    }
}

}  // namespace

DEFINE_PROPERTY_SET(ButtonProps, kButtonMaxVersion, ButtonOwn::Count)
