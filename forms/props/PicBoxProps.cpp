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
    case 0: return ChoiceField(p.border, 5);
    case 1: return ColourField(p.background);
    case 2: return BlockField(p.picture);
    case 3: return ChoiceField(p.display_mode, 2);
    case 4: return BooleanField(p.animate);
    case 5: return Since(2, TextField(p.extra_text1));
    case 6: return Since(2, TextField(p.extra_text2));
    default: return {};
    }
}

}  // namespace

DEFINE_PROPERTY_SET(PicBoxProps, kPicBoxMaxVersion, kPicBoxOwnCount)
