#include "core/template/ByteWriter.h"

void ByteWriter::WriteU16(uint16_t value)
{
    m_bytes.push_back(uint8_t(value));
    m_bytes.push_back(uint8_t(value >> 8));
}

void ByteWriter::WriteU32(uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        m_bytes.push_back(uint8_t(value >> shift));
}

void ByteWriter::WriteRaw(std::span<const uint8_t> bytes)
{
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
}

void ByteWriter::WriteBlock(std::span<const uint8_t> bytes)
{
    WriteU32(uint32_t(bytes.size()));
    WriteRaw(bytes);
}

void ByteWriter::WriteText(std::string_view text)
{
    WriteBlock({reinterpret_cast<const uint8_t*>(text.data()), text.size()});
}

void ByteWriter::WriteCString(std::string_view text)
{
    text = text.substr(0, text.find('\0'));
    WriteRaw({reinterpret_cast<const uint8_t*>(text.data()), text.size()});
    m_bytes.push_back(0);
}

void ByteWriter::PatchU32(size_t at, uint32_t value)
{
    if (at + 4 > m_bytes.size())
        return;
    for (int i = 0; i < 4; ++i)
        m_bytes[at + i] = uint8_t(value >> (8 * i));
}
