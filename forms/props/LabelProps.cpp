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
    case LabelOwn::Caption: return TextField(p.caption);
    case LabelOwn::TextEffect: return ChoiceField(p.text_effect, int32_t(TextEffect::BlackShadow));
    case LabelOwn::Border: return ChoiceField(p.border, int32_t(BorderStyle::Gradient));
    case LabelOwn::GradientBorderWidth: return IntegerField(p.gradient_border_width, kLabelMinGradientWidth);
    case LabelOwn::GradientBorder0:
    case LabelOwn::GradientBorder1:
    case LabelOwn::GradientBorder2: return ColourField(p.gradient_border[own - LabelOwn::GradientBorder0]);
    case LabelOwn::Font: return FontField(p.font);
    case LabelOwn::TextColour: return ColourField(p.text_colour);
    case LabelOwn::Background: return ColourField(p.background);
    case LabelOwn::Picture: return BlockField(p.picture);
    case LabelOwn::PictureMode: return ChoiceField(p.picture_mode, int32_t(PictureMode::Last));
    case LabelOwn::GradientMode: return ChoiceField(p.gradient_mode, kGradientLastMode);
    case LabelOwn::GradientBackground0:
    case LabelOwn::GradientBackground1:
    case LabelOwn::GradientBackground2:
        return ColourField(p.gradient_background[own - LabelOwn::GradientBackground0]);
    case LabelOwn::HorizontalAlignment: return ChoiceField(p.horizontal_alignment, int32_t(HorizontalAlignment::Right));
    case LabelOwn::WordWrap: return BooleanField(p.word_wrap);
    case LabelOwn::VerticalAlignment: return ChoiceField(p.vertical_alignment, int32_t(VerticalAlignment::Bottom));
    case LabelOwn::ExtraText1: return Since(2, TextField(p.extra_text1));
    case LabelOwn::ExtraText2: return Since(2, TextField(p.extra_text2));
    default: return {};
    }
}

}  // namespace

DEFINE_PROPERTY_SET(LabelProps, kLabelMaxVersion, LabelOwn::Count)
