#pragma once
// The main window's units that the program addresses by id: the procedures, the accessibility
// names and the tests use these names, and program/data/MainWindow.cpp places each of them in its row.
// Plain constants, so the procedures can include them without Qt.
#include <cstdint>

#include "core/props/EditBoxProps.h"

namespace main_window {

inline constexpr uint32_t kWindow = 0x52010001;
inline constexpr uint32_t kWindowRecord = 0x06010000;  // the window's own record

// The three angle groups: two boxes in, a read-only box out, a button. Each box has its label
// on its left.
inline constexpr uint32_t kArcSineOpposite = 0x1601013A;           // 编辑框1
inline constexpr uint32_t kArcSineOppositeLabel = 0x16010149;      // 标签1
inline constexpr uint32_t kArcSineHypotenuse = 0x16011DCC;         // 编辑框9
inline constexpr uint32_t kArcSineHypotenuseLabel = 0x16011DCD;    // 标签10
inline constexpr uint32_t kArcSineResult = 0x16010148;             // 编辑框2
inline constexpr uint32_t kArcSineResultLabel = 0x1601014A;        // 标签2
inline constexpr uint32_t kArcSineButton = 0x1601013B;             // 按钮1
inline constexpr uint32_t kArcTangentOpposite = 0x16010150;        // 编辑框4
inline constexpr uint32_t kArcTangentOppositeLabel = 0x1601014D;   // 标签4
inline constexpr uint32_t kArcTangentAdjacent = 0x16011DCA;        // 编辑框8
inline constexpr uint32_t kArcTangentAdjacentLabel = 0x16011DCB;   // 标签9
inline constexpr uint32_t kArcTangentResult = 0x1601014E;          // 编辑框3
inline constexpr uint32_t kArcTangentResultLabel = 0x1601014C;     // 标签3
inline constexpr uint32_t kArcTangentButton = 0x1601014F;          // 按钮2
inline constexpr uint32_t kArcCosineAdjacent = 0x1601015A;         // 编辑框6
inline constexpr uint32_t kArcCosineAdjacentLabel = 0x16010157;    // 标签6
inline constexpr uint32_t kArcCosineHypotenuse = 0x16011DC8;       // 编辑框7
inline constexpr uint32_t kArcCosineHypotenuseLabel = 0x16011DC9;  // 标签8
inline constexpr uint32_t kArcCosineResult = 0x16010158;           // 编辑框5
inline constexpr uint32_t kArcCosineResultLabel = 0x16010156;      // 标签5
inline constexpr uint32_t kArcCosineButton = 0x16010159;           // 按钮3

// The expression row.
inline constexpr uint32_t kExpression = 0x16011DCE;             // 编辑框10
inline constexpr uint32_t kExpressionLabel = 0x16011DD0;        // 标签11
inline constexpr uint32_t kExpressionResult = 0x16011DD1;       // 编辑框11
inline constexpr uint32_t kExpressionResultLabel = 0x16011DD2;  // 标签12
inline constexpr uint32_t kEvaluateButton = 0x16011DCF;         // 按钮4

// The side lengths: the angle and one known side in, the three sides out.
inline constexpr uint32_t kAngle = 0x16011DD4;                  // 编辑框12
inline constexpr uint32_t kAngleLabel = 0x16011DE4;             // 标签14
inline constexpr uint32_t kKnownOpposite = 0x16011DE6;          // 编辑框13
inline constexpr uint32_t kKnownOppositeLabel = 0x16011DE5;     // 标签15
inline constexpr uint32_t kKnownAdjacent = 0x16011DE8;          // 编辑框14
inline constexpr uint32_t kKnownAdjacentLabel = 0x16011DE7;     // 标签16
inline constexpr uint32_t kKnownHypotenuse = 0x16011DEA;        // 编辑框15
inline constexpr uint32_t kKnownHypotenuseLabel = 0x16011DE9;   // 标签17
inline constexpr uint32_t kResultAdjacent = 0x16011DEB;         // 编辑框16
inline constexpr uint32_t kResultAdjacentLabel = 0x16011DEE;    // 标签18
inline constexpr uint32_t kResultHypotenuse = 0x16011DEC;       // 编辑框17
inline constexpr uint32_t kResultHypotenuseLabel = 0x16011DEF;  // 标签19
inline constexpr uint32_t kResultOpposite = 0x16011DED;         // 编辑框18
inline constexpr uint32_t kResultOppositeLabel = 0x16011DF0;    // 标签20
inline constexpr uint32_t kSideLengthsButton = 0x16011DF2;      // 按钮5
inline constexpr uint32_t kAngleWarning = 0x16011DF4;    // 标签22 "角度必须输入", hidden at first
inline constexpr uint32_t kKnownHeading = 0x16011DE3;    // 标签13 "已知数据" over the inputs
inline constexpr uint32_t kResultsHeading = 0x16011DF1;  // 标签21 "计算结果" over the results

inline constexpr uint32_t kDiagram = 0x16010164;  // 图片框1
// The bar under the expression row holds the bar across the top as its child.
inline constexpr uint32_t kBarHolder = 0x16011DD6;  // 外形框4
inline constexpr uint32_t kHeldBar = 0x16011DDB;    // 外形框5

// The five groups: the boxes a button reads and the boxes it writes. Enter in any of the boxes
// clicks the button; a change to an input takes away the notes on the results.
struct UnitGroup {
    uint32_t button;
    uint32_t inputs[4];   // 0 ends the list
    uint32_t results[3];  // 0 ends the list

    // Calls visit(id, is_input) for each box of the group, inputs first.
    template <class Visit>
    constexpr void ForEachBox(Visit&& visit) const
    {
        for (uint32_t id : inputs)
            if (id != 0)
                visit(id, true);
        for (uint32_t id : results)
            if (id != 0)
                visit(id, false);
    }
};
// clang-format off
inline constexpr UnitGroup kGroups[] = {
    {kArcSineButton, {kArcSineOpposite, kArcSineHypotenuse}, {kArcSineResult}},
    {kArcTangentButton, {kArcTangentOpposite, kArcTangentAdjacent}, {kArcTangentResult}},
    {kArcCosineButton, {kArcCosineAdjacent, kArcCosineHypotenuse}, {kArcCosineResult}},
    {kEvaluateButton, {kExpression}, {kExpressionResult}},
    {kSideLengthsButton, {kAngle, kKnownOpposite, kKnownAdjacent, kKnownHypotenuse},
     {kResultOpposite, kResultHypotenuse, kResultAdjacent}},
};
// clang-format on

// The property the procedures read and write an edit box's text through.
inline constexpr int32_t kBoxText = int32_t(kFirstOwnProperty) + EditBoxOwn::Content;

}  // namespace main_window
