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
    case 0: return TextField(p.content);
    case 1: return ChoiceField(p.border, 5);
    case 2: return ColourField(p.text_colour);
    case 3: return ColourField(p.background);
    case 4: return FontField(p.font);
    case 5: return BooleanField(p.hide_selection);
    case 6: return IntegerField(p.max_length);
    case 7: return Rebuilding(BooleanField(p.multi_line));
    case 8: return Rebuilding(ChoiceField(p.scroll_bars, 3));
    case 9: return Rebuilding(ChoiceField(p.alignment, 2));
    case 10: return ChoiceField(p.input_mode, 11);
    case 11: return PasswordField(p.password_char);
    case 12: return Rebuilding(ChoiceField(p.case_conversion, 2));
    case 13: return Rebuilding(BooleanField(p.up_down));
    case 14: case 15: case 16: case 17: return IntegerField(p.up_down_words[own - 14]);
    case 18: return LiveOnlyField();
    case 19: return Since(2, TextField(p.extra_text1));
    case 20: return Since(2, TextField(p.extra_text2));
    default: return {};
    }
}

}  // namespace

DEFINE_PROPERTY_SET(EditBoxProps, kEditBoxMaxVersion, kEditBoxOwnCount)
