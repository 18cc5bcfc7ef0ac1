#include "forms/props/PicBoxProps.h"

#include "forms/props/OwnField.h"

namespace {

template <class Io, class P>
void Transfer(Io& io, P& p)
{
    io.I32(p.border);
    io.U32(p.background);
    io.I32(p.display_mode);
    io.I32(p.animate);
    io.Block(p.picture);
    if (p.version >= 2) {
        io.Text(p.extra_text1);
        io.Text(p.extra_text2);
    }
}

FieldRef Field(PicBoxProps& p, int32_t own)
{
    switch (own) {
    case PicBoxOwn::Border: return ChoiceField(p.border, int32_t(BorderStyle::SingleLine));
    case PicBoxOwn::Background: return ColourField(p.background);
    case PicBoxOwn::Picture: return BlockField(p.picture);
    case PicBoxOwn::DisplayMode: return ChoiceField(p.display_mode, int32_t(PictureMode::Last));
    case PicBoxOwn::Animate: return BooleanField(p.animate);
    case PicBoxOwn::ExtraText1: return Since(2, TextField(p.extra_text1));
    case PicBoxOwn::ExtraText2: return Since(2, TextField(p.extra_text2));
    default: return {};
    }
}

}  // namespace

DEFINE_PROPERTY_SET(PicBoxProps, kPicBoxMaxVersion, PicBoxOwn::Count)
