#include <cmath>
#include <cstdint>

#include "values/Commands.h"
#include "values/Bits.h"

#ifdef _WIN32
// mingw-w64's own sin and cos are the x87 instructions, whose reduction by a 66-bit pi loses
// digits near the multiples of pi/2 (cos of 90 degrees in its tenth digit). The system C
// library's functions keep them, as glibc's do, so Windows shows the desktop's texts; its tan
// is the one mingw-w64 links already.
extern "C" double (*__imp_sin)(double);
extern "C" double (*__imp_cos)(double);
#endif

namespace {

#ifdef _WIN32
double LibrarySine(double x) { return __imp_sin(x); }
double LibraryCosine(double x) { return __imp_cos(x); }
#else
double LibrarySine(double x) { return std::sin(x); }
double LibraryCosine(double x) { return std::cos(x); }
#endif

// What the floating-point unit produces for an invalid operation: sign set, top fraction bit
// set. ToText prints exactly this NaN as "-1.#IND", so results that stand for an invalid
// operation are pinned to these bits rather than left to the C library.
constexpr uint64_t kDefaultNanBits = 0xFFF8000000000000ull;
const double kDefaultNan = BitCast<double>(kDefaultNanBits);

// The x87 trigonometric instructions only reduce arguments below 2^63 in magnitude.
constexpr double kTrigLimit = 9223372036854775808.0;  // 2^63

double ArgDouble(const TypedValue* args, int index) { return args[index].AsDouble(); }

void SetDouble(TypedValue* result, double value) { result->payload = BitCast<uint64_t>(value); }

bool IsIntegral(double y) { return std::isfinite(y) && std::trunc(y) == y; }

// Sine and Cosine share the out-of-range rule: a finite argument of 2^63 or more comes back
// unchanged, as the instruction leaves it; an infinity is an invalid operation.
double ReducedTrig(double x, double (*function)(double))
{
    if (std::isnan(x))
        return x;
    if (std::isinf(x))
        return kDefaultNan;
    if (std::fabs(x) >= kTrigLimit)
        return x;
    return function(x);
}

}  // namespace

// x^y with the C library's pow rules, except that a negative base to a non-integer power is
// the default NaN:  (2, 10) -> 1024   (-2, 3) -> -8   (-8, 1/3) -> NaN   (-0, -1) -> -inf
void Power(TypedValue* result, int32_t, const TypedValue* args)
{
    const double x = ArgDouble(args, 0);
    const double y = ArgDouble(args, 1);
    if (x < 0 && std::isfinite(x) && std::isfinite(y) && !IsIntegral(y)) {
        SetDouble(result, kDefaultNan);
        return;
    }
    SetDouble(result, std::pow(x, y));
}

// A negative argument is the default NaN; -0 stays -0.
void SquareRoot(TypedValue* result, int32_t, const TypedValue* args)
{
    const double x = ArgDouble(args, 0);
    SetDouble(result, x < 0 ? kDefaultNan : std::sqrt(x));
}

void Sine(TypedValue* result, int32_t, const TypedValue* args)
{
    SetDouble(result, ReducedTrig(ArgDouble(args, 0), LibrarySine));
}

void Cosine(TypedValue* result, int32_t, const TypedValue* args)
{
    SetDouble(result, ReducedTrig(ArgDouble(args, 0), LibraryCosine));
}

// Beyond 2^63 (infinities included) the tangent is the default NaN; near pi/2 it is large but
// finite, since no double is pi/2 exactly.
void Tangent(TypedValue* result, int32_t, const TypedValue* args)
{
    const double x = ArgDouble(args, 0);
    if (std::isnan(x))
        SetDouble(result, x);
    else
        SetDouble(result, std::fabs(x) >= kTrigLimit ? kDefaultNan : std::tan(x));
}

// In (-pi/2, pi/2); the infinities give exactly +-pi/2.
void Arctangent(TypedValue* result, int32_t, const TypedValue* args)
{
    SetDouble(result, std::atan(ArgDouble(args, 0)));
}

// Only the exponent field decides: all ones (an infinity or a NaN) is not finite.
void IsFinite(TypedValue* result, int32_t, const TypedValue* args)
{
    const uint64_t bits = args[0].payload;
    result->payload = ((bits >> 52) & 0x7FF) == 0x7FF ? 0 : 1;
}
