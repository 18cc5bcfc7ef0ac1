#include "forms/props/WindowProps.h"

#include "forms/props/OwnField.h"

namespace {

template <class Io, class P>
void Transfer(Io& io, P& p)
{
    io.I32(p.border_style);
    io.I32(p.background_picture_mode);
    io.U32(p.background);
    io.I32(p.maximise_box);
    io.I32(p.minimise_box);
    io.I32(p.control_box);
    io.I32(p.start_position);
    io.I32(p.movable);
    io.I32(p.stored_choice);
    io.I32(p.enter_moves_focus);
    io.I32(p.escape_closes);
    io.I32(p.f1_opens_help);
    io.I32(p.help_context);
    if (p.version >= 2)
        io.I32(p.word_v2);
    if (p.version >= 3) {
        io.I32(p.word_v3);
        io.I32(p.window_shape);
    }
    if (p.version >= 4)
        io.I32(p.always_on_top);
    if (p.version >= 5)
        io.I32(p.word_v5);
    if (p.version >= 6)
        io.Text(p.text_v6);
    io.Block(p.background_picture);
    io.Block(p.icon);
    io.Block(p.sound);
    io.Text(p.caption);
    io.Text(p.help_file);
}

FieldRef Field(WindowProps& p, int32_t own)
{
    switch (own) {
    case 0: return TextField(p.caption);
    case 1: return ChoiceField(p.border_style, 6);
    case 2: return ColourField(p.background);
    case 3: return BlockField(p.background_picture);
    case 4: return ChoiceField(p.background_picture_mode, 2);
    case 5: return BlockField(p.sound);
    case 6: return BlockField(p.icon);
    case 7: return BooleanField(p.control_box);
    case 8: return BooleanField(p.maximise_box);
    case 9: return BooleanField(p.minimise_box);
    case 10: return LiveOnlyField();
    case 11: return ChoiceField(p.start_position, 3);
    case 12: return BooleanField(p.movable);
    case 13: return Since(4, BooleanField(p.always_on_top));
    case 14: return Since(3, ChoiceField(p.window_shape, 6));
    case 15: return BooleanField(p.enter_moves_focus);
    case 16: return BooleanField(p.escape_closes);
    case 17: return BooleanField(p.f1_opens_help);
    case 18: return TextField(p.help_file);
    case 19: return IntegerField(p.help_context);
    case 20: return ChoiceField(p.stored_choice, 255);
    case 21: return Since(2, IntegerField(p.word_v2));
    case 22: return Since(3, IntegerField(p.word_v3));
    case 23: return Since(5, IntegerField(p.word_v5));
    default: return {};
    }
}

}  // namespace

DEFINE_PROPERTY_SET(WindowProps, kWindowMaxVersion, kWindowOwnCount)
