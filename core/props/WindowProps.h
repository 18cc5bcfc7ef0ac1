#pragma once
// The window kind's property set: its own property numbers, choice values, struct and table.
// Own 10, the window state, is read from the live window by the kind; the struct answers 0
// and ignores writes of it.
#include "core/props/PropertySet.h"
#include "core/props/PropertyTable.h"
#include "core/props/UnitTypes.h"

constexpr uint32_t kWindowMaxVersion = 6;

// Own property numbers (the property number less 8).
struct WindowOwn {
    // clang-format off
    enum : int32_t {
        Caption, BorderStyle, Background, BackgroundPicture, BackgroundPictureMode, Sound, Icon,
        ControlBox, MaximiseBox, MinimiseBox, WindowState, StartPosition, Movable, AlwaysOnTop,
        WindowShape, EnterMovesFocus, EscapeCloses, F1OpensHelp, HelpFile, HelpContext,
        StoredChoice, WordV2, WordV3, WordV5,
        Count
    };
    // clang-format on
};

// Border styles: no frame at all, or a frame with a caption; only two of them can be resized.
// clang-format off
enum class WindowBorder : int32_t {
    None, FixedSingle, Fixed, Resizable, FixedDialog, ResizableTool, FixedTool
};
// clang-format on
enum class StartPosition : int32_t { AsStored, Centred, Minimised, Maximised };
// The live window state as own 10 reads and writes it; 1 is not used.
enum class WindowState : int32_t { Normal = 0, Minimised = 2, Maximised = 3 };
// 3 to 6 are outlines this runtime draws as the rectangle.
enum class WindowShape : int32_t { Rectangle, Ellipse, RoundedCorners, Last = 6 };
// A choice word kept as stored.
constexpr int32_t kWindowStoredChoiceLast = 255;

struct WindowProps {
    static constexpr uint32_t kKindCode = KIND_WINDOW;
    uint32_t version = kWindowMaxVersion;
    int32_t border_style = int32_t(WindowBorder::Fixed);
    int32_t background_picture_mode = int32_t(PictureMode::Stretched);
    uint32_t background = kButtonFaceColour;
    int32_t maximise_box = 0;
    int32_t minimise_box = 0;
    int32_t control_box = 1;
    int32_t start_position = int32_t(StartPosition::Centred);
    int32_t movable = 1;
    int32_t stored_choice = 0;
    int32_t enter_moves_focus = 0;
    int32_t escape_closes = 1;
    int32_t f1_opens_help = 0;
    int32_t help_context = 0;
    int32_t word_v2 = 0;       // kept as stored
    int32_t word_v3 = 0;       // kept as stored
    int32_t window_shape = 0;  // WindowShape
    int32_t always_on_top = 0;
    int32_t word_v5 = 0;    // kept as stored
    std::string text_v6{};  // kept as stored, not a property
    std::vector<uint8_t> background_picture{};
    std::vector<uint8_t> icon{};  // empty = the program's default icon
    std::vector<uint8_t> sound{};
    std::string caption{};
    std::string help_file{};
};

template <>
struct KindTable<WindowProps> {
    using P = WindowProps;
    static constexpr const char* kName = "\xB4\xB0\xBF\xDA";  // 窗口
    static constexpr const char* kEnglishName = "window";
    static constexpr uint32_t kFlags = kKindBuiltIn | kKindRaisesEvents | UnreadKindFlags(0x90);
    static constexpr uint32_t kMaxVersion = kWindowMaxVersion;
    static constexpr int32_t kOwnCount = WindowOwn::Count;
    // In stored order.
    // clang-format off
    static constexpr PropertyRow<P> kRows[] = {
        Property<&P::border_style>(WindowOwn::BorderStyle, "borderStyle", PROP_CHOICE).UpTo(WindowBorder::FixedTool),
        Property<&P::background_picture_mode>(WindowOwn::BackgroundPictureMode, "backgroundPictureMode", PROP_CHOICE).UpTo(PictureMode::Last),
        Property<&P::background>(WindowOwn::Background, "background", PROP_COLOUR_DEFAULT),
        Property<&P::maximise_box>(WindowOwn::MaximiseBox, "maximiseBox", PROP_BOOLEAN),
        Property<&P::minimise_box>(WindowOwn::MinimiseBox, "minimiseBox", PROP_BOOLEAN),
        Property<&P::control_box>(WindowOwn::ControlBox, "controlBox", PROP_BOOLEAN),
        Property<&P::start_position>(WindowOwn::StartPosition, "startPosition", PROP_CHOICE).UpTo(StartPosition::Maximised),
        Property<&P::movable>(WindowOwn::Movable, "movable", PROP_BOOLEAN),
        Property<&P::stored_choice>(WindowOwn::StoredChoice, "storedChoice", PROP_CHOICE).UpTo(kWindowStoredChoiceLast),
        Property<&P::enter_moves_focus>(WindowOwn::EnterMovesFocus, "enterMovesFocus", PROP_BOOLEAN),
        Property<&P::escape_closes>(WindowOwn::EscapeCloses, "escapeCloses", PROP_BOOLEAN),
        Property<&P::f1_opens_help>(WindowOwn::F1OpensHelp, "f1OpensHelp", PROP_BOOLEAN),
        Property<&P::help_context>(WindowOwn::HelpContext, "helpContext", PROP_INTEGER),
        Property<&P::word_v2>(WindowOwn::WordV2, "wordV2", PROP_INTEGER).Since(2),
        Property<&P::word_v3>(WindowOwn::WordV3, "wordV3", PROP_INTEGER).Since(3),
        Property<&P::window_shape>(WindowOwn::WindowShape, "windowShape", PROP_CHOICE).UpTo(WindowShape::Last).Since(3),
        Property<&P::always_on_top>(WindowOwn::AlwaysOnTop, "alwaysOnTop", PROP_BOOLEAN).Since(4),
        Property<&P::word_v5>(WindowOwn::WordV5, "wordV5", PROP_INTEGER).Since(5),
        Kept<&P::text_v6>("textV6").Since(6),
        Property<&P::background_picture>(WindowOwn::BackgroundPicture, "backgroundPicture", PROP_PICTURE),
        Property<&P::icon>(WindowOwn::Icon, "icon", PROP_ICON),
        Property<&P::sound>(WindowOwn::Sound, "sound", PROP_SOUND),
        Property<&P::caption>(WindowOwn::Caption, "text", PROP_TEXT),
        Property<&P::help_file>(WindowOwn::HelpFile, "helpFile", PROP_TEXT),
        LiveProperty<P>(WindowOwn::WindowState, "windowState", PROP_CHOICE),
    };
    // clang-format on
};
