// The program's one window and its 52 units, in record order (record 1 is on top of its
// siblings; the Tab order runs the other way). Geometry is in pixels in the parent's client
// area. Properties not written here are the kind defaults.
//
// The stored versions are those this window was saved with: window 6, labels 2, buttons and
// shapes 1, the picture box 1; of the edit boxes only 编辑框1 to 编辑框6 carry property data
// (the three read-only result boxes at version 2, the three input boxes at version 1), the
// other twelve take every default from empty data.
#include "program/data/MainWindow.h"

#include "program/data/MainWindowTemplate.h"
#include "program/data/MainWindowUnits.h"
#include "contract/ProcedureArea.h"
#include "core/props/UnitTypes.h"
#include "core/template/WindowTemplate.h"

namespace {

constexpr uint32_t Lbl = KIND_LABEL, Edt = KIND_EDIT_BOX, Btn = KIND_BUTTON, Shp = KIND_SHAPE_BOX,
                   Pic = KIND_PIC_BOX;
constexpr uint32_t V = kStateVisible, T = kStateTabStop, B4 = kStateBit4, Hidden = 0;
constexpr int32_t None = kNoHandler;

// Colours are 0x00BBGGRR.
constexpr uint32_t kRed = 0x0000FF;
constexpr uint32_t kGrey = 0xC0C0C0;
constexpr uint32_t kNavy = 0x800000;
constexpr uint32_t kMidBlue = 0xFF8800;
constexpr uint32_t kGreen = 0x80E000;

const char* const kNote = "注：正弦值等于角对边除以角斜边；\r\n"
                          "    余弦值等于角邻边除以角斜边；\r\n"
                          "    正切值等于角对边除以角邻边。\r\n"
                          "\r\n"
                          "三角函数示例：sin(10),正切用tg表示";

// The three frames around the angle groups: a black outline, no fill, raised 3-D passes.
const ShapeBoxProps kFrame{.effect_3d = int32_t(Effect3d::Raised),
                           .line_colour = 0x000000,
                           .fill_colour = kButtonFaceColour};
// The bars across the window: flat, a navy outline around a coloured fill.
ShapeBoxProps Bar(uint32_t fill)
{
    return {.effect_3d = int32_t(Effect3d::Flat), .line_colour = kNavy, .fill_colour = fill};
}
const EditBoxProps kEditV1{.version = 1};
const EditBoxProps kReadOnly{.version = 2, .input_mode = int32_t(InputMode::ReadOnly)};

const WindowProps kWindow{
    .version = 6,
    .border_style = int32_t(WindowBorder::Fixed),  // fixed frame with title bar
    .background = kGrey,
    .maximise_box = 0,
    .minimise_box = 0,
    .control_box = 1,
    .start_position = int32_t(StartPosition::Centred),
    .movable = 1,
    .enter_moves_focus = 0,
    .escape_closes = 1,
    .f1_opens_help = 0,
    .window_shape = int32_t(WindowShape::Rectangle),
    .always_on_top = 0,
};

// Records 1 to 26, the window's lower part: the expression, the bars, the side lengths.
std::vector<UnitRow> LowerPartRows()
{
    // clang-format off
    return {
    // rec    id, name, kind, left, top, width, height, text, state flags, event 0 handler, properties
    /*  1 */ {main_window::kAngleWarning, "标签22", Lbl, 203, 268, 80, 40, "角度必须输入", Hidden, None, LabelProps{.text_colour = kRed, .background = kGrey}},
    /*  2 */ {main_window::kSideLengthsButton, "按钮5", Btn, 203, 320, 64, 24, "边长计算", V | T, kSideLengthsClickOffset, ButtonProps{}},
    /*  3 */ {0x16011DF1, "标签21", Lbl, 360, 264, 56, 16, "计算结果", V, None, LabelProps{.background = kGrey}},
    /*  4 */ {main_window::kResultAdjacent, "编辑框16", Edt, 352, 360, 112, 21, nullptr, V | T, None, EmptyProps{}},
    /*  5 */ {main_window::kResultHypotenuse, "编辑框17", Edt, 352, 328, 112, 21, nullptr, V | T, None, EmptyProps{}},
    /*  6 */ {main_window::kResultOpposite, "编辑框18", Edt, 352, 296, 112, 21, nullptr, V | T, None, EmptyProps{}},
    /*  7 */ {main_window::kResultAdjacentLabel, "标签18", Lbl, 296, 360, 56, 21, "邻边长度", V, None, LabelProps{}},
    /*  8 */ {main_window::kResultHypotenuseLabel, "标签19", Lbl, 296, 328, 56, 21, "斜边长度", V, None, LabelProps{}},
    /*  9 */ {main_window::kResultOppositeLabel, "标签20", Lbl, 296, 296, 56, 21, "对边长度", V, None, LabelProps{}},
    /* 10 */ {main_window::kKnownAdjacentLabel, "标签16", Lbl, 6, 368, 56, 21, "邻边长度", V, None, LabelProps{}},
    /* 11 */ {main_window::kKnownAdjacent, "编辑框14", Edt, 62, 368, 112, 21, nullptr, V | T, None, EmptyProps{}},
    /* 12 */ {main_window::kKnownHypotenuseLabel, "标签17", Lbl, 6, 336, 56, 21, "斜边长度", V, None, LabelProps{}},
    /* 13 */ {main_window::kKnownHypotenuse, "编辑框15", Edt, 62, 336, 112, 21, nullptr, V | T, None, EmptyProps{}},
    /* 14 */ {main_window::kKnownOppositeLabel, "标签15", Lbl, 6, 304, 56, 21, "对边长度", V, None, LabelProps{}},
    /* 15 */ {main_window::kKnownOpposite, "编辑框13", Edt, 62, 304, 112, 21, nullptr, V | T, None, EmptyProps{}},
    /* 16 */ {main_window::kAngleLabel, "标签14", Lbl, 6, 272, 56, 21, "角度", V, None, LabelProps{}},
    /* 17 */ {0x16011DE3, "标签13", Lbl, 80, 248, 56, 16, "已知数据", V, None, LabelProps{.background = kGrey}},
    /* 18 */ {0x16011DE2, "外形框6", Shp, 0, 195, 480, 8, nullptr, V, None, Bar(kMidBlue)},
    /* 19 */ {main_window::kHeldBar, "外形框5", Shp, 8, 8, 480, 8, nullptr, V, None, Bar(kGreen), main_window::kBarHolder},
    /* 20 */ {main_window::kBarHolder, "外形框4", Shp, 0, 232, 480, 8, nullptr, V, None, Bar(kMidBlue), 0, {main_window::kHeldBar}},
    /* 21 */ {main_window::kAngle, "编辑框12", Edt, 62, 272, 112, 21, nullptr, V | T, None, EmptyProps{}},
    /* 22 */ {main_window::kExpressionResult, "编辑框11", Edt, 352, 205, 115, 21, nullptr, V | T, None, EmptyProps{}},
    /* 23 */ {main_window::kExpressionResultLabel, "标签12", Lbl, 281, 205, 72, 21, "函数计算结果", V, None, LabelProps{}},
    /* 24 */ {main_window::kExpressionLabel, "标签11", Lbl, 6, 205, 72, 21, "输入三角函数", V, None, LabelProps{}},
    /* 25 */ {main_window::kEvaluateButton, "按钮4", Btn, 206, 206, 64, 21, "函数计算", V | T, kFunctionEvaluateClickOffset, ButtonProps{}},
    /* 26 */ {main_window::kExpression, "编辑框10", Edt, 77, 205, 115, 21, nullptr, V | T, None, EmptyProps{}},
    };
    // clang-format on
}

// Records 27 to 52, the window's upper part: the three angle groups, the diagram and the note.
std::vector<UnitRow> UpperPartRows()
{
    // clang-format off
    return {
    // rec    id, name, kind, left, top, width, height, text, state flags, event 0 handler, properties
    /* 27 */ {main_window::kArcCosineHypotenuse, "编辑框7", Edt, 396, 39, 71, 21, nullptr, V | T | B4, None, EmptyProps{}},
    /* 28 */ {main_window::kArcCosineHypotenuseLabel, "标签8", Lbl, 333, 39, 48, 21, "斜边长度", V | B4, None, LabelProps{}},
    /* 29 */ {main_window::kArcTangentAdjacent, "编辑框8", Edt, 243, 39, 71, 21, nullptr, V | T | B4, None, EmptyProps{}},
    /* 30 */ {main_window::kArcTangentAdjacentLabel, "标签9", Lbl, 180, 39, 48, 21, "邻边长度", V | B4, None, LabelProps{}},
    /* 31 */ {main_window::kArcSineHypotenuse, "编辑框9", Edt, 70, 39, 71, 21, nullptr, V | T | B4, None, EmptyProps{}},
    /* 32 */ {main_window::kArcSineHypotenuseLabel, "标签10", Lbl, 7, 39, 48, 21, "斜边长度", V | B4, None, LabelProps{}},
    /* 33 */ {main_window::kDiagram, "图片框1", Pic, 249, 130, 208, 56, nullptr, V, None, DiagramProps{PicBoxProps{.version = 1, .display_mode = 1}}},
    /* 34 */ {0x16010160, "标签7", Lbl, 3, 128, 216, 64, kNote, V, None, LabelProps{.background = kGrey, .word_wrap = 1}},
    /* 35 */ {main_window::kArcCosineResultLabel, "标签5", Lbl, 333, 67, 48, 21, "计算角度", V | B4, None, LabelProps{}},
    /* 36 */ {main_window::kArcCosineAdjacentLabel, "标签6", Lbl, 333, 12, 48, 21, "邻边长度", V | B4, None, LabelProps{}},
    /* 37 */ {main_window::kArcCosineResult, "编辑框5", Edt, 396, 66, 71, 21, nullptr, V | T | B4, None, kReadOnly},
    /* 38 */ {main_window::kArcCosineButton, "按钮3", Btn, 363, 93, 84, 29, "求反余弦角度", V | T | B4, kArcCosineClickOffset, ButtonProps{}},
    /* 39 */ {main_window::kArcCosineAdjacent, "编辑框6", Edt, 396, 12, 71, 21, nullptr, V | T | B4, None, kEditV1},
    /* 40 */ {0x1601015B, "外形框3", Shp, 328, 8, 152, 120, nullptr, V | B4, None, kFrame},
    /* 41 */ {main_window::kArcTangentResultLabel, "标签3", Lbl, 180, 68, 48, 21, "计算角度", V | B4, None, LabelProps{}},
    /* 42 */ {main_window::kArcTangentOppositeLabel, "标签4", Lbl, 180, 12, 48, 21, "对边长度", V | B4, None, LabelProps{}},
    /* 43 */ {main_window::kArcTangentResult, "编辑框3", Edt, 243, 67, 71, 21, nullptr, V | T | B4, None, kReadOnly},
    /* 44 */ {main_window::kArcTangentButton, "按钮2", Btn, 202, 93, 84, 29, "求反正切角度", V | T | B4, kArcTangentClickOffset, ButtonProps{}},
    /* 45 */ {main_window::kArcTangentOpposite, "编辑框4", Edt, 243, 12, 71, 21, nullptr, V | T | B4, None, kEditV1},
    /* 46 */ {main_window::kArcSineResultLabel, "标签2", Lbl, 7, 67, 48, 21, "计算角度", V | B4, None, LabelProps{}},
    /* 47 */ {main_window::kArcSineOppositeLabel, "标签1", Lbl, 7, 12, 48, 21, "对边长度", V | B4, None, LabelProps{}},
    /* 48 */ {main_window::kArcSineResult, "编辑框2", Edt, 70, 66, 71, 21, nullptr, V | T | B4, None, kReadOnly},
    /* 49 */ {main_window::kArcSineButton, "按钮1", Btn, 34, 93, 84, 29, "求反正弦角度", V | T | B4, kArcSineClickOffset, ButtonProps{}},
    /* 50 */ {main_window::kArcSineOpposite, "编辑框1", Edt, 70, 12, 71, 21, nullptr, V | T | B4, None, kEditV1},
    /* 51 */ {0x16010152, "外形框1", Shp, 2, 8, 152, 120, nullptr, V | B4, None, kFrame},
    /* 52 */ {0x16010154, "外形框2", Shp, 168, 8, 152, 120, nullptr, V | B4, None, kFrame},
    };
    // clang-format on
}

}  // namespace

const WindowRows& MainWindowRows()
{
    static const WindowRows rows = [] {
        // clang-format off
        WindowRows window{main_window::kWindow, {0x017B0E8C, 0x19010136}, {
        // rec    id, name, kind, left, top, width, height, text, state flags, event 0 handler, properties
        /*  0 */ {main_window::kWindowRecord, "", KIND_WINDOW, 50, 50, 488, 420, "Anglarix", V, kWindowEventNoOpOffset, kWindow},
        }};
        // clang-format on
        for (const std::vector<UnitRow>& part : {LowerPartRows(), UpperPartRows()})
            window.rows.insert(window.rows.end(), part.begin(), part.end());
        return window;
    }();
    return rows;
}
