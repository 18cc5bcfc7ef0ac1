#include "core/template/ByteReader.h"

#include "core/template/LittleEndian.h"

bool ByteReader::Fail()
{
    m_ok = false;
    return false;
}

bool ByteReader::ReadSpan(size_t n, std::span<const uint8_t>& out)
{
    out = {};
    if (!m_ok || n > m_bytes.size() - m_pos)
        return Fail();
    out = m_bytes.subspan(m_pos, n);
    m_pos += n;
    return true;
}

bool ByteReader::ReadU16(uint16_t& out)
{
    out = 0;
    std::span<const uint8_t> b;
    if (!ReadSpan(2, b))
        return false;
    out = ReadLe16(b.data());
    return true;
}

bool ByteReader::ReadU32(uint32_t& out)
{
    out = 0;
    std::span<const uint8_t> b;
    if (!ReadSpan(4, b))
        return false;
    out = ReadLe32(b.data());
    return true;
}

bool ByteReader::ReadI32(int32_t& out)
{
    uint32_t u = 0;
    bool ok = ReadU32(u);
    out = int32_t(u);
    return ok;
}

bool ByteReader::ReadBlockSpan(std::span<const uint8_t>& out)
{
    out = {};
    uint32_t length = 0;
    return ReadU32(length) && ReadSpan(length, out);
}

bool ByteReader::ReadBlock(std::vector<uint8_t>& out)
{
    std::span<const uint8_t> b;
    bool ok = ReadBlockSpan(b);
    out.assign(b.begin(), b.end());
    return ok;
}

bool ByteReader::ReadText(std::string& out)
{
    std::span<const uint8_t> b;
    bool ok = ReadBlockSpan(b);
    out.assign(b.begin(), b.end());
    return ok;
}

bool ByteReader::ReadCString(std::string& out)
{
    out.clear();
    if (!m_ok)
        return false;
    for (size_t i = m_pos; i < m_bytes.size(); ++i) {
        if (m_bytes[i] == 0) {
            out.assign(m_bytes.begin() + m_pos, m_bytes.begin() + i);
            m_pos = i + 1;
            return true;
        }
    }
    return Fail();
}

bool ByteReader::ReadCount(size_t element_size, uint32_t& count)
{
    if (!ReadU32(count))
        return false;
    size_t per = element_size == 0 ? 1 : element_size;
    if (count > Remaining() / per) {
        count = 0;
        return Fail();
    }
    return true;
}

std::span<const uint8_t> ByteReader::ReadRest()
{
    std::span<const uint8_t> rest;
    ReadSpan(Remaining(), rest);
    return rest;
}
