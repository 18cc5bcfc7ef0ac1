#include "program/data/AccessibleTexts.h"

#include "program/data/MainWindowUnits.h"

namespace {

// clang-format off
const AccessibleText kMainWindowTexts[] = {
    {main_window::kArcSineOpposite, main_window::kArcSineOppositeLabel, "反正弦 对边长度", nullptr, Keyboard::Decimal},
    {main_window::kArcSineHypotenuse, main_window::kArcSineHypotenuseLabel, "反正弦 斜边长度", nullptr, Keyboard::Decimal},
    {main_window::kArcSineResult, main_window::kArcSineResultLabel, "反正弦 计算角度",
     "角度，以度为单位"},
    {main_window::kArcTangentOpposite, main_window::kArcTangentOppositeLabel, "反正切 对边长度", nullptr, Keyboard::Decimal},
    {main_window::kArcTangentAdjacent, main_window::kArcTangentAdjacentLabel, "反正切 邻边长度", nullptr, Keyboard::Decimal},
    {main_window::kArcTangentResult, main_window::kArcTangentResultLabel, "反正切 计算角度",
     "角度，以度为单位"},
    {main_window::kArcCosineAdjacent, main_window::kArcCosineAdjacentLabel, "反余弦 邻边长度", nullptr, Keyboard::Decimal},
    {main_window::kArcCosineHypotenuse, main_window::kArcCosineHypotenuseLabel, "反余弦 斜边长度", nullptr, Keyboard::Decimal},
    {main_window::kArcCosineResult, main_window::kArcCosineResultLabel, "反余弦 计算角度",
     "角度，以度为单位"},
    {main_window::kExpression, main_window::kExpressionLabel, "函数计算 输入三角函数",
     "函数 sin cos tg ctg（角度以度为单位）；运算符 ^ * / + -；可以用括号", Keyboard::Text},
    {main_window::kExpressionResult, main_window::kExpressionResultLabel, "函数计算 函数计算结果"},
    {main_window::kAngle, main_window::kAngleLabel, "已知数据 角度",
     "角度，以度为单位；也可以写算式，例如 30+15", Keyboard::Decimal},
    {main_window::kKnownOpposite, main_window::kKnownOppositeLabel, "已知数据 对边长度", nullptr, Keyboard::Decimal},
    {main_window::kKnownHypotenuse, main_window::kKnownHypotenuseLabel, "已知数据 斜边长度", nullptr, Keyboard::Decimal},
    {main_window::kKnownAdjacent, main_window::kKnownAdjacentLabel, "已知数据 邻边长度", nullptr, Keyboard::Decimal},
    {main_window::kResultOpposite, main_window::kResultOppositeLabel, "计算结果 对边长度"},
    {main_window::kResultHypotenuse, main_window::kResultHypotenuseLabel, "计算结果 斜边长度"},
    {main_window::kResultAdjacent, main_window::kResultAdjacentLabel, "计算结果 邻边长度"},
    {main_window::kDiagram, 0, "三角形示意图",
     "直角三角形：直角在右下角，所求的角在左下角；底边是邻边，右侧竖边是对边，"
     "从左下角升到竖边顶端的是斜边。"},
    {main_window::kAngleWarning, 0, "角度必须输入", nullptr, Keyboard::None, true},
};
// clang-format on

}  // namespace

std::span<const AccessibleText> MainWindowAccessibleTexts() { return kMainWindowTexts; }

const AccessibleText* MainWindowAccessibleText(uint32_t unit_id)
{
    for (const AccessibleText& text : kMainWindowTexts) {
        if (text.unit_id == unit_id)
            return &text;
    }
    return nullptr;
}
