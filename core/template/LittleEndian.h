#pragma once
// The one way stored words are read and written: little-endian, whatever the host. Callers
// have checked that the bytes are there; ByteReader is the checked reader on top of this.
//   ReadLe32({0x78, 0x56, 0x34, 0x12}) == 0x12345678
#include <cstddef>
#include <cstdint>

inline uint32_t ReadLe32(const uint8_t* bytes)
{
    return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 | uint32_t(bytes[3]) << 24;
}

inline uint16_t ReadLe16(const uint8_t* bytes) { return uint16_t(bytes[0] | bytes[1] << 8); }

inline void WriteLe32(uint8_t* bytes, uint32_t value)
{
    for (size_t i = 0; i < 4; ++i)
        bytes[i] = uint8_t(value >> (8 * i));
}
