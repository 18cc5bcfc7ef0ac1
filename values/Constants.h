#pragma once
// The program's constants block: 126 read-only bytes that start-up enters into the
// ConstantRanges, so the texts in it can be passed to the block services like heap texts and
// are never freed. It begins with EmptyText (declared in values/Commands.h).
//
// The numbers are also given here as constexpr values equal, bit for bit, to the block's
// doubles, so the calculator can use them in expressions:
//   PiApprox 3.1415926535 (ten decimals, not full pi)   HalfPiApprox 1.57079632675 (its half)
#include <cstdint>

constexpr uint32_t kConstantsBlockSize = 126;

struct ConstantsBlockBytes {
    char bytes[kConstantsBlockSize];
};
// Where the block lies: ConstantsBlock.bytes, kConstantsBlockSize bytes.
extern const ConstantsBlockBytes ConstantsBlock;

inline constexpr double PiApprox = 3.1415926535;
inline constexpr double DegreesPerHalfTurn = 180.0;
inline constexpr double HalfPiApprox = 1.57079632675;
inline constexpr double ZeroTolerance = 1e-7;
inline constexpr double PlusOne = 1.0;
inline constexpr double MinusOne = -1.0;

// The function names of the expression engine and the closing parenthesis, as texts inside
// the block ("sin(", "cos(", "tg(", "ctg(", ")").
extern const char* const SineCall;
extern const char* const CosineCall;
extern const char* const TangentCall;
extern const char* const CotangentCall;
extern const char* const CloseParen;
