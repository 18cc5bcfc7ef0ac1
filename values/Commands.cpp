#include "values/Commands.h"

TypedValue CallCommand(CommandFn command, int32_t count, const TypedValue* args)
{
    TypedValue result;  // zeroed: a command that writes nothing returns 0, 0.0, false or null
    command(&result, count, args);
    return result;
}

double CallMath(CommandFn command, double x)
{
    const TypedValue argument = TypedValue::Double(x);
    return CallCommand(command, 1, &argument).AsDouble();
}

// clang-format off
const CommandFn CommandTable[kCommandCount] = {
    ToFloat, Arctangent, ToText, ToNumber, FindText, MidText, ReplaceText, Sine, Cosine,
    Tangent, IsFinite, TextLength, CharCode, RightText, Power, LeftText, SquareRoot,
};
// clang-format on
