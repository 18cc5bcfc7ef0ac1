#pragma once
// The bits of one type read as another, as std::bit_cast does; the WebAssembly build's older
// library has no std::bit_cast, but both compilers have the builtin beneath it.
template <class To, class From>
constexpr To BitCast(const From& from) noexcept
{
    static_assert(sizeof(To) == sizeof(From));
    return __builtin_bit_cast(To, from);
}
