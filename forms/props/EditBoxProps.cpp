#include "forms/props/EditBoxProps.h"

#include "forms/props/OwnField.h"

namespace {

template <class Io, class P>
void Transfer(Io& io, P& p)
{
    io.I32(p.border);
    io.U32(p.text_colour);
    io.U32(p.background);
    io.I32(p.hide_selection);
    io.I32(p.max_length);
    io.I32(p.multi_line);
    io.I32(p.scroll_bars);
    io.I32(p.alignment);
    io.I32(p.input_mode);
    io.Bytes2(p.password_char);
    io.I32(p.case_conversion);
    io.I32(p.up_down);
    io.Words(p.up_down_words);
    io.Block(p.font);
    io.Text(p.content);
    if (p.version >= 2) {
        io.Text(p.extra_text1);
        io.Text(p.extra_text2);
    }
}

// Multi-line, scroll bars, alignment, case conversion and the up-down control are window
// styles fixed when the control is made, so changing them rebuilds the unit.
FieldRef Field(EditBoxProps& p, int32_t own)
{
    switch (own) {
    case EditBoxOwn::Content: return TextField(p.content);
    case EditBoxOwn::Border: return ChoiceField(p.border, int32_t(BorderStyle::SingleLine));
    case EditBoxOwn::TextColour: return ColourField(p.text_colour);
    case EditBoxOwn::Background: return ColourField(p.background);
    case EditBoxOwn::Font: return FontField(p.font);
    case EditBoxOwn::HideSelection: return BooleanField(p.hide_selection);
    case EditBoxOwn::MaxLength: return IntegerField(p.max_length);
    case EditBoxOwn::MultiLine: return Rebuilding(BooleanField(p.multi_line));
    case EditBoxOwn::ScrollBars: return Rebuilding(ChoiceField(p.scroll_bars, int32_t(ScrollBars::Both)));
    case EditBoxOwn::Alignment: return Rebuilding(ChoiceField(p.alignment, int32_t(HorizontalAlignment::Right)));
    case EditBoxOwn::InputMode: return ChoiceField(p.input_mode, int32_t(InputMode::Last));
    case EditBoxOwn::PasswordChar: return PasswordField(p.password_char);
    case EditBoxOwn::CaseConversion: return Rebuilding(ChoiceField(p.case_conversion, int32_t(CaseConversion::Upper)));
    case EditBoxOwn::UpDown: return Rebuilding(BooleanField(p.up_down));
    case EditBoxOwn::UpDownWord0:
    case EditBoxOwn::UpDownWord1:
    case EditBoxOwn::UpDownWord2:
    case EditBoxOwn::UpDownWord3: return IntegerField(p.up_down_words[own - EditBoxOwn::UpDownWord0]);
    case EditBoxOwn::Selection: return LiveOnlyField();
    case EditBoxOwn::ExtraText1: return Since(2, TextField(p.extra_text1));
    case EditBoxOwn::ExtraText2: return Since(2, TextField(p.extra_text2));
    default: return {};
    }
}

}  // namespace

DEFINE_PROPERTY_SET(EditBoxProps, kEditBoxMaxVersion, EditBoxOwn::Count)
