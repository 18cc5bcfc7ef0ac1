#include "data/AccessibleTexts.h"

#include "data/MainWindowUnits.h"

namespace {

const AccessibleText kMainWindowTexts[] = {
    {main_window::kArcSineOpposite, "反正弦 对边长度"},
    {main_window::kArcSineHypotenuse, "反正弦 斜边长度"},
    {main_window::kArcSineResult, "反正弦 计算角度"},
    {main_window::kArcTangentOpposite, "反正切 对边长度"},
    {main_window::kArcTangentAdjacent, "反正切 邻边长度"},
    {main_window::kArcTangentResult, "反正切 计算角度"},
    {main_window::kArcCosineAdjacent, "反余弦 邻边长度"},
    {main_window::kArcCosineHypotenuse, "反余弦 斜边长度"},
    {main_window::kArcCosineResult, "反余弦 计算角度"},
    {main_window::kExpression, "函数计算 输入三角函数"},
    {main_window::kExpressionResult, "函数计算 函数计算结果"},
    {main_window::kAngle, "已知数据 角度"},
    {main_window::kKnownOpposite, "已知数据 对边长度"},
    {main_window::kKnownHypotenuse, "已知数据 斜边长度"},
    {main_window::kKnownAdjacent, "已知数据 邻边长度"},
    {main_window::kResultOpposite, "计算结果 对边长度"},
    {main_window::kResultHypotenuse, "计算结果 斜边长度"},
    {main_window::kResultAdjacent, "计算结果 邻边长度"},
    {main_window::kDiagram, "三角形示意图",
     "直角三角形：直角在右下角，所求的角在左下角；底边是邻边，右侧竖边是对边，"
     "从左下角升到竖边顶端的是斜边。"},
    {main_window::kAngleWarning, "角度必须输入"},
};

}  // namespace

std::span<const AccessibleText> MainWindowAccessibleTexts() { return kMainWindowTexts; }
