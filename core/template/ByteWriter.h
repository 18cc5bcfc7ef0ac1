#pragma once
// The little-endian writer that mirrors ByteReader: blocks and texts get a 32-bit length.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

class ByteWriter {
public:
    void WriteU16(uint16_t value);
    void WriteU32(uint32_t value);
    void WriteI32(int32_t value) { WriteU32(uint32_t(value)); }
    void WriteRaw(std::span<const uint8_t> bytes);
    void WriteBlock(std::span<const uint8_t> bytes);
    void WriteText(std::string_view text);
    // The bytes and a NUL; a NUL inside the text would end it early when read back, so the
    // text is cut there.
    void WriteCString(std::string_view text);
    // Overwrites 4 bytes written earlier, for lengths known only afterwards.
    void PatchU32(size_t at, uint32_t value);

    size_t Size() const { return m_bytes.size(); }
    const std::vector<uint8_t>& Bytes() const { return m_bytes; }
    std::vector<uint8_t> Take() { return std::move(m_bytes); }

private:
    std::vector<uint8_t> m_bytes;
};
