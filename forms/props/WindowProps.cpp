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
    case WindowOwn::Caption: return TextField(p.caption);
    case WindowOwn::BorderStyle: return ChoiceField(p.border_style, int32_t(WindowBorder::FixedTool));
    case WindowOwn::Background: return ColourField(p.background);
    case WindowOwn::BackgroundPicture: return BlockField(p.background_picture);
    case WindowOwn::BackgroundPictureMode: return ChoiceField(p.background_picture_mode, int32_t(PictureMode::Last));
    case WindowOwn::Sound: return BlockField(p.sound);
    case WindowOwn::Icon: return BlockField(p.icon);
    case WindowOwn::ControlBox: return BooleanField(p.control_box);
    case WindowOwn::MaximiseBox: return BooleanField(p.maximise_box);
    case WindowOwn::MinimiseBox: return BooleanField(p.minimise_box);
    case WindowOwn::WindowState: return LiveOnlyField();
    case WindowOwn::StartPosition: return ChoiceField(p.start_position, int32_t(StartPosition::Maximised));
    case WindowOwn::Movable: return BooleanField(p.movable);
    case WindowOwn::AlwaysOnTop: return Since(4, BooleanField(p.always_on_top));
    case WindowOwn::WindowShape: return Since(3, ChoiceField(p.window_shape, int32_t(WindowShape::Last)));
    case WindowOwn::EnterMovesFocus: return BooleanField(p.enter_moves_focus);
    case WindowOwn::EscapeCloses: return BooleanField(p.escape_closes);
    case WindowOwn::F1OpensHelp: return BooleanField(p.f1_opens_help);
    case WindowOwn::HelpFile: return TextField(p.help_file);
    case WindowOwn::HelpContext: return IntegerField(p.help_context);
    case WindowOwn::StoredChoice: return ChoiceField(p.stored_choice, 255);
    case WindowOwn::WordV2: return Since(2, IntegerField(p.word_v2));
    case WindowOwn::WordV3: return Since(3, IntegerField(p.word_v3));
    case WindowOwn::WordV5: return Since(5, IntegerField(p.word_v5));
    default: return {};
    }
}

}  // namespace

DEFINE_PROPERTY_SET(WindowProps, kWindowMaxVersion, WindowOwn::Count)
