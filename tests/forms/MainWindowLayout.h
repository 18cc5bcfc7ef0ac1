#pragma once
// The main window's 52 units in record order, as the original layout has them: written out
// here once, independently of program/data/MainWindow.cpp, so the template test and the load test
// compare what the program builds against the same expectation.
#include <cstdint>

#include "core/props/UnitTypes.h"
#include "core/template/WindowTemplate.h"

namespace main_window_layout {

// clang-format off
enum Kind : uint32_t {
    Lbl = KIND_LABEL, Edt = KIND_EDIT_BOX, Btn = KIND_BUTTON, Shp = KIND_SHAPE_BOX, Pic = KIND_PIC_BOX,
};
// clang-format on
constexpr uint32_t Hidden = 0, V = kStateVisible, T = kStateTabStop, B = kStateBit4;

struct UnitRow {
    uint32_t id;
    const char* name;  // UTF-8
    Kind kind;
    int32_t left, top, width, height;
    const char* text;  // caption or content (UTF-8); null where the kind has none
    uint32_t flags;    // state flags

    bool Visible() const { return (flags & kStateVisible) != 0; }
    bool TabStop() const { return (flags & kStateTabStop) != 0; }
};

// clang-format off
inline const UnitRow kUnits[] = {
    {0x16011DF4, "标签22", Lbl, 203, 268, 80, 40, "角度必须输入", Hidden},
    {0x16011DF2, "按钮5", Btn, 203, 320, 64, 24, "边长计算", V | T},
    {0x16011DF1, "标签21", Lbl, 360, 264, 56, 16, "计算结果", V},
    {0x16011DEB, "编辑框16", Edt, 352, 360, 112, 21, "", V | T},
    {0x16011DEC, "编辑框17", Edt, 352, 328, 112, 21, "", V | T},
    {0x16011DED, "编辑框18", Edt, 352, 296, 112, 21, "", V | T},
    {0x16011DEE, "标签18", Lbl, 296, 360, 56, 21, "邻边长度", V},
    {0x16011DEF, "标签19", Lbl, 296, 328, 56, 21, "斜边长度", V},
    {0x16011DF0, "标签20", Lbl, 296, 296, 56, 21, "对边长度", V},
    {0x16011DE7, "标签16", Lbl, 6, 368, 56, 21, "邻边长度", V},
    {0x16011DE8, "编辑框14", Edt, 62, 368, 112, 21, "", V | T},
    {0x16011DE9, "标签17", Lbl, 6, 336, 56, 21, "斜边长度", V},
    {0x16011DEA, "编辑框15", Edt, 62, 336, 112, 21, "", V | T},
    {0x16011DE5, "标签15", Lbl, 6, 304, 56, 21, "对边长度", V},
    {0x16011DE6, "编辑框13", Edt, 62, 304, 112, 21, "", V | T},
    {0x16011DE4, "标签14", Lbl, 6, 272, 56, 21, "角度", V},
    {0x16011DE3, "标签13", Lbl, 80, 248, 56, 16, "已知数据", V},
    {0x16011DE2, "外形框6", Shp, 0, 195, 480, 8, nullptr, V},
    {0x16011DDB, "外形框5", Shp, 8, 8, 480, 8, nullptr, V},
    {0x16011DD6, "外形框4", Shp, 0, 232, 480, 8, nullptr, V},
    {0x16011DD4, "编辑框12", Edt, 62, 272, 112, 21, "", V | T},
    {0x16011DD1, "编辑框11", Edt, 352, 205, 115, 21, "", V | T},
    {0x16011DD2, "标签12", Lbl, 281, 205, 72, 21, "函数计算结果", V},
    {0x16011DD0, "标签11", Lbl, 6, 205, 72, 21, "输入三角函数", V},
    {0x16011DCF, "按钮4", Btn, 206, 206, 64, 21, "函数计算", V | T},
    {0x16011DCE, "编辑框10", Edt, 77, 205, 115, 21, "", V | T},
    {0x16011DC8, "编辑框7", Edt, 396, 39, 71, 21, "", V | T | B},
    {0x16011DC9, "标签8", Lbl, 333, 39, 48, 21, "斜边长度", V | B},
    {0x16011DCA, "编辑框8", Edt, 243, 39, 71, 21, "", V | T | B},
    {0x16011DCB, "标签9", Lbl, 180, 39, 48, 21, "邻边长度", V | B},
    {0x16011DCC, "编辑框9", Edt, 70, 39, 71, 21, "", V | T | B},
    {0x16011DCD, "标签10", Lbl, 7, 39, 48, 21, "斜边长度", V | B},
    {0x16010164, "图片框1", Pic, 249, 130, 208, 56, nullptr, V},
    {0x16010160, "标签7", Lbl, 3, 128, 216, 64, "注：正弦值等于角对边除以角斜边；\r\n    余弦值等于角邻边除以角斜边；\r\n"
     "    正切值等于角对边除以角邻边。\r\n\r\n三角函数示例：sin(10),正切用tg表示", V},
    {0x16010156, "标签5", Lbl, 333, 67, 48, 21, "计算角度", V | B},
    {0x16010157, "标签6", Lbl, 333, 12, 48, 21, "邻边长度", V | B},
    {0x16010158, "编辑框5", Edt, 396, 66, 71, 21, "", V | T | B},
    {0x16010159, "按钮3", Btn, 363, 93, 84, 29, "求反余弦角度", V | T | B},
    {0x1601015A, "编辑框6", Edt, 396, 12, 71, 21, "", V | T | B},
    {0x1601015B, "外形框3", Shp, 328, 8, 152, 120, nullptr, V | B},
    {0x1601014C, "标签3", Lbl, 180, 68, 48, 21, "计算角度", V | B},
    {0x1601014D, "标签4", Lbl, 180, 12, 48, 21, "对边长度", V | B},
    {0x1601014E, "编辑框3", Edt, 243, 67, 71, 21, "", V | T | B},
    {0x1601014F, "按钮2", Btn, 202, 93, 84, 29, "求反正切角度", V | T | B},
    {0x16010150, "编辑框4", Edt, 243, 12, 71, 21, "", V | T | B},
    {0x1601014A, "标签2", Lbl, 7, 67, 48, 21, "计算角度", V | B},
    {0x16010149, "标签1", Lbl, 7, 12, 48, 21, "对边长度", V | B},
    {0x16010148, "编辑框2", Edt, 70, 66, 71, 21, "", V | T | B},
    {0x1601013B, "按钮1", Btn, 34, 93, 84, 29, "求反正弦角度", V | T | B},
    {0x1601013A, "编辑框1", Edt, 70, 12, 71, 21, "", V | T | B},
    {0x16010152, "外形框1", Shp, 2, 8, 152, 120, nullptr, V | B},
    {0x16010154, "外形框2", Shp, 168, 8, 152, 120, nullptr, V | B},
};
// clang-format on

}  // namespace main_window_layout
