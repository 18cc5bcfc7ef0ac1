#pragma once
// One function can describe a stored layout for both directions: given a ReadIo it fills the
// fields from bytes, given a WriteIo it writes the same fields in the same order. That keeps
// every writer the exact inverse of its reader.
//   template <class Io> void Transfer(Io& io, Point& p) { io.I32(p.x); io.I32(p.y); }
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/template/ByteReader.h"
#include "core/template/ByteWriter.h"

class ReadIo {
public:
    explicit ReadIo(ByteReader& reader) : m_reader(reader) {}

    void U32(uint32_t& v) { m_reader.ReadU32(v); }
    void I32(int32_t& v) { m_reader.ReadI32(v); }
    void Bytes2(uint8_t (&v)[2])
    {
        uint16_t half = 0;
        m_reader.ReadU16(half);
        v[0] = uint8_t(half);
        v[1] = uint8_t(half >> 8);
    }
    template <size_t N>
    void Words(uint32_t (&v)[N])
    {
        for (auto& w : v)
            U32(w);
    }
    template <size_t N>
    void Words(int32_t (&v)[N])
    {
        for (auto& w : v)
            I32(w);
    }
    void Block(std::vector<uint8_t>& v) { m_reader.ReadBlock(v); }
    void Text(std::string& v) { m_reader.ReadText(v); }
    void CString(std::string& v) { m_reader.ReadCString(v); }
    void Rest(std::vector<uint8_t>& v)
    {
        auto rest = m_reader.ReadRest();
        v.assign(rest.begin(), rest.end());
    }
    // A 32-bit count, then that many elements of at least min_size bytes each.
    template <class T, class Each>
    void Array(std::vector<T>& v, size_t min_size, Each each)
    {
        uint32_t count = 0;
        v.clear();
        if (!m_reader.ReadCount(min_size, count))
            return;
        v.resize(count);
        for (auto& element : v) {
            if (!m_reader.Ok())
                return;
            each(*this, element);
        }
    }
    bool Ok() const { return m_reader.Ok(); }

private:
    ByteReader& m_reader;
};

class WriteIo {
public:
    explicit WriteIo(ByteWriter& writer) : m_writer(writer) {}

    void U32(const uint32_t& v) { m_writer.WriteU32(v); }
    void I32(const int32_t& v) { m_writer.WriteI32(v); }
    void Bytes2(const uint8_t (&v)[2]) { m_writer.WriteU16(uint16_t(v[0] | v[1] << 8)); }
    template <size_t N>
    void Words(const uint32_t (&v)[N])
    {
        for (auto w : v)
            U32(w);
    }
    template <size_t N>
    void Words(const int32_t (&v)[N])
    {
        for (auto w : v)
            I32(w);
    }
    void Block(const std::vector<uint8_t>& v) { m_writer.WriteBlock(v); }
    void Text(const std::string& v) { m_writer.WriteText(v); }
    void CString(const std::string& v) { m_writer.WriteCString(v); }
    void Rest(const std::vector<uint8_t>& v) { m_writer.WriteRaw(v); }
    template <class T, class Each>
    void Array(const std::vector<T>& v, size_t, Each each)
    {
        m_writer.WriteU32(uint32_t(v.size()));
        for (auto& element : v)
            each(*this, element);
    }
    bool Ok() const { return true; }

private:
    ByteWriter& m_writer;
};
