#pragma once
// Commands: one signature, called through CallCommand with an array of TypedValue records.
// The result record is zeroed on entry; a command writes the payload, never the type word.
// Text results are new blocks (AllocateBlock) owned by the caller; an empty text is null.
#include "values/TypedValue.h"

using CommandFn = void (*)(TypedValue* result, int32_t count, const TypedValue* args);

TypedValue CallCommand(CommandFn command, int32_t count, const TypedValue* args);
// A one-argument math command on a double: CallMath(Sine, x).
double CallMath(CommandFn command, double x);

// The single empty text at the start of the constants block; passed where a text argument
// must not be null.
extern const char* const EmptyText;

// Conversions
void ToNumber(TypedValue* result, int32_t count, const TypedValue* args);
void ToFloat(TypedValue* result, int32_t count, const TypedValue* args);
void ToText(TypedValue* result, int32_t count, const TypedValue* args);
// Math
void Power(TypedValue* result, int32_t count, const TypedValue* args);
void SquareRoot(TypedValue* result, int32_t count, const TypedValue* args);
void Sine(TypedValue* result, int32_t count, const TypedValue* args);
void Cosine(TypedValue* result, int32_t count, const TypedValue* args);
void Tangent(TypedValue* result, int32_t count, const TypedValue* args);
void Arctangent(TypedValue* result, int32_t count, const TypedValue* args);
void IsFinite(TypedValue* result, int32_t count, const TypedValue* args);
// Texts (GBK bytes, 1-based positions)
void TextLength(TypedValue* result, int32_t count, const TypedValue* args);
void LeftText(TypedValue* result, int32_t count, const TypedValue* args);
void RightText(TypedValue* result, int32_t count, const TypedValue* args);
void MidText(TypedValue* result, int32_t count, const TypedValue* args);
void FindText(TypedValue* result, int32_t count, const TypedValue* args);
void ReplaceText(TypedValue* result, int32_t count, const TypedValue* args);
void CharCode(TypedValue* result, int32_t count, const TypedValue* args);

// The command table of the core library, in its fixed order.
constexpr int kCommandCount = 17;
extern const CommandFn CommandTable[kCommandCount];
