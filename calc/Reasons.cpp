// The wording of each reason and working word. The English texts are the command line's
// message ids: the Chinese column and po/zh.po say the same, which a test holds them to.
#include "calc/Reasons.h"

#include <iterator>

#define N_(text) text

namespace {

// clang-format off
constexpr struct {
    Reason reason;
    ReasonWording wording;
} kWordings[] = {
    {Reason::None, {"", ""}},
    {Reason::EmptyExpression, {N_("the expression is empty"), "表达式为空"}},
    {Reason::NothingToEvaluate, {N_("nothing in the expression can be calculated"), "表达式里没有可以计算的内容"}},
    {Reason::EmptyGroup, {N_("a pair of parentheses is empty"), "括号里是空的"}},
    {Reason::DivisionByZero, {N_("division by 0 or by a number too small"), "除以 0 或过小的数"}},
    {Reason::Overflow, {N_("a value is too large"), "数值太大，溢出"}},
    {Reason::NoRealPower, {N_("a power has no real value"), "乘方没有实数结果"}},
    {Reason::NotOneNumber, {N_("the result is not one number"), "结果不是一个数"}},
    {Reason::RatioOutOfRange, {N_("the ratio of the two sides is outside -1..1"), "两边之比超出 -1 到 1 的范围"}},
    {Reason::NoRatio, {N_("both sides are 0 or empty"), "两条边都是 0 或为空"}},
    {Reason::AngleRequired, {N_("an angle is required"), "角度必须输入"}},
    {Reason::AngleWithoutValue, {N_("the angle cannot be evaluated"), "角度无法计算"}},
    {Reason::NoKnownSide, {N_("no side above 0 is given"), "没有大于 0 的边"}},
    {Reason::SideOverflow, {N_("a side is too large"), "边长太大，溢出"}},
    {Reason::TooLong, {N_("the expression is too long"), "表达式太长"}},
};

constexpr ReasonWording kWorkingWordings[] = {
    {N_("opposite"), "对边"},
    {N_("adjacent"), "邻边"},
    {N_("hypotenuse"), "斜边"},
    {N_("the known side, copied as typed"), "已知边，照输入抄写"},
    {N_("pi is taken as 3.1415926535, so sin(30) is 0.499999999987, not 0.5"), "π 取 3.1415926535，所以 sin(30) 是 0.499999999987 而非 0.5"},
    {N_("evaluated as %s"), "按 %s 计算"},
    {N_("ignored: %s (the engine reads sin cos tg ctg in degrees and ^ * / + -)"), "已忽略：%s（只认 sin cos tg ctg，角度以度为单位，运算符 ^ * / + -）"},
};
static_assert(std::size(kWorkingWordings) == size_t(WorkingWord::Count));
// clang-format on

}  // namespace

ReasonWording WordingOf(Reason reason)
{
    for (const auto& row : kWordings)
        if (row.reason == reason)
            return row.wording;
    return kWordings[0].wording;
}

ReasonWording WordingOf(WorkingWord word)
{
    return word < WorkingWord::Count ? kWorkingWordings[size_t(word)] : kWordings[0].wording;
}

WorkingWords WorkingWords::Chinese()
{
    WorkingWords words;
    for (size_t i = 0; i < words.m_words.size(); ++i)
        words.m_words[i] = kWorkingWordings[i].chinese;
    return words;
}

WorkingWords WorkingWords::Translated(const char* (*translate)(const char* english))
{
    WorkingWords words;
    for (size_t i = 0; i < words.m_words.size(); ++i)
        words.m_words[i] = translate(kWorkingWordings[i].english);
    return words;
}
