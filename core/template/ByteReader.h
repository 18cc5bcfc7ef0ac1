#pragma once
// A bounded little-endian reader over bytes it does not own. It never reads past the end:
// a read that does not fit fails, and the failure sticks, so a caller may read a run of
// fields and check Ok() once. Failed reads leave their output zero or empty.
//   bytes 05 00 00 00 'a' 'b' 'c' 'd' 'e' : ReadText -> "abcde", then AtEnd()
//   bytes FF FF FF FF                     : ReadText fails (length beyond what remains)
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> bytes) : m_bytes(bytes) {}

    bool ReadU16(uint16_t& out);
    bool ReadU32(uint32_t& out);
    bool ReadI32(int32_t& out);
    // A view of the next n bytes.
    bool ReadSpan(size_t n, std::span<const uint8_t>& out);
    // A 32-bit length, then that many bytes.
    bool ReadBlockSpan(std::span<const uint8_t>& out);
    bool ReadBlock(std::vector<uint8_t>& out);
    bool ReadText(std::string& out);
    // Bytes up to a NUL, which is consumed and not kept.
    bool ReadCString(std::string& out);
    // A 32-bit count of elements that take at least element_size bytes each; fails when that
    // many cannot fit in what remains, so a caller may reserve for the count safely.
    bool ReadCount(size_t element_size, uint32_t& count);

    bool Ok() const { return m_ok; }
    size_t Remaining() const { return m_ok ? m_bytes.size() - m_pos : 0; }
    bool AtEnd() const { return m_ok && m_pos == m_bytes.size(); }
    // Everything not read yet; consumes it.
    std::span<const uint8_t> ReadRest();

private:
    bool Fail();

    std::span<const uint8_t> m_bytes;
    size_t m_pos = 0;
    bool m_ok = true;
};
