#pragma once
// The window kind's property set. Own numbers in comments; fields in stored order. Own 10,
// the window state (0 normal, 2 minimised, 3 maximised), is read from the live window by the
// kind; the struct answers 0 and ignores writes of it.
#include "forms/props/PropertySet.h"
#include "forms/props/UnitTypes.h"

constexpr uint32_t kWindowMaxVersion = 6;

// Own property numbers (the property number less 8).
struct WindowOwn {
    enum : int32_t {
        Caption, BorderStyle, Background, BackgroundPicture, BackgroundPictureMode, Sound, Icon,
        ControlBox, MaximiseBox, MinimiseBox, WindowState, StartPosition, Movable, AlwaysOnTop,
        WindowShape, EnterMovesFocus, EscapeCloses, F1OpensHelp, HelpFile, HelpContext,
        StoredChoice, WordV2, WordV3, WordV5,
        Count
    };
};

// Border styles: no frame at all, or a frame with a caption; only two of them can be resized.
enum class WindowBorder : int32_t {
    None, FixedSingle, Fixed, Resizable, FixedDialog, ResizableTool, FixedTool
};
enum class StartPosition : int32_t { AsStored, Centred, Minimised, Maximised };
// The live window state as own 10 reads and writes it; 1 is not used.
enum class WindowState : int32_t { Normal = 0, Minimised = 2, Maximised = 3 };
// 3 to 6 are outlines this runtime draws as the rectangle.
enum class WindowShape : int32_t { Rectangle, Ellipse, RoundedCorners, Last = 6 };

struct WindowProps {
    static constexpr uint32_t kKindCode = KIND_WINDOW;
    uint32_t version = kWindowMaxVersion;
    int32_t border_style = int32_t(WindowBorder::Fixed);  // own 1 (WindowBorder)
    int32_t background_picture_mode = int32_t(PictureMode::Stretched);  // own 4 (PictureMode)
    uint32_t background = kButtonFaceColour;  // own 2, type 1017
    int32_t maximise_box = 0;             // own 8, boolean
    int32_t minimise_box = 0;             // own 9, boolean
    int32_t control_box = 1;              // own 7, boolean
    int32_t start_position = int32_t(StartPosition::Centred);  // own 11 (StartPosition)
    int32_t movable = 1;                  // own 12, boolean
    int32_t stored_choice = 0;            // own 20, a choice word kept as stored, 0-255
    int32_t enter_moves_focus = 0;        // own 15, boolean
    int32_t escape_closes = 1;            // own 16, boolean
    int32_t f1_opens_help = 0;            // own 17, boolean
    int32_t help_context = 0;             // own 19
    int32_t word_v2 = 0;                  // own 21, [v>=2] kept as stored
    int32_t word_v3 = 0;                  // own 22, [v>=3] kept as stored
    int32_t window_shape = 0;             // own 14, [v>=3] (WindowShape)
    int32_t always_on_top = 0;            // own 13, [v>=4] boolean
    int32_t word_v5 = 0;                  // own 23, [v>=5] kept as stored
    std::string text_v6{};              // [v=6] kept as stored, not a property
    std::vector<uint8_t> background_picture{}; // own 3
    std::vector<uint8_t> icon{};        // own 6, empty = the program's default icon
    std::vector<uint8_t> sound{};       // own 5
    std::string caption{};              // own 0
    std::string help_file{};            // own 18
};

template <>
std::optional<WindowProps> ReadProps<WindowProps>(std::span<const uint8_t> data);
std::vector<uint8_t> WriteProps(const WindowProps& props);
bool GetOwnProperty(const WindowProps& props, int32_t own, PropertyValue* value);
SetOutcome SetOwnProperty(WindowProps& props, int32_t own, const PropertyValue& value);
