// Writes the GBK (code page 936) tables of values/GbkTableData.h as C++ source, read from this
// host's iconv, so that a build without a GBK iconv converts exactly as this one does.
//   anglarix-gbk-table-writer GbkTableData.cpp
// Decoding is one table per byte form; encoding is the inverse of that table (the first code
// in ascending order wins) plus every code point where iconv disagrees with that inverse.
#include <iconv.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "values/GbkTableData.h"

namespace {

[[noreturn]] void Fail(const std::string& why)
{
    std::fprintf(stderr, "anglarix-gbk-table-writer: %s\n", why.c_str());
    std::exit(1);
}

class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from))
    {
        if (m_cd == iconv_t(-1))
            Fail(std::string("iconv has no conversion from ") + from + " to " + to);
    }
    ~Converter() { iconv_close(m_cd); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // The whole input as one conversion, or nullopt when iconv refuses any of it.
    std::optional<std::vector<unsigned char>> Run(const std::vector<unsigned char>& input)
    {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char* in = reinterpret_cast<char*>(const_cast<unsigned char*>(input.data()));
        size_t in_left = input.size();
        char buffer[16];
        char* out = buffer;
        size_t out_left = sizeof buffer;
        if (iconv(m_cd, &in, &in_left, &out, &out_left) == size_t(-1) || in_left != 0)
            return std::nullopt;
        return std::vector<unsigned char>(buffer, out);
    }

private:
    iconv_t m_cd;
};

uint32_t CodePointOf(const std::vector<unsigned char>& utf32le)
{
    return uint32_t(utf32le[0]) | uint32_t(utf32le[1]) << 8 | uint32_t(utf32le[2]) << 16 |
           uint32_t(utf32le[3]) << 24;
}

// The one BMP character that bytes decode to, or 0.
uint16_t DecodeOne(Converter& decoder, const std::vector<unsigned char>& bytes)
{
    const std::optional<std::vector<unsigned char>> out = decoder.Run(bytes);
    if (!out || out->size() != 4)
        return 0;
    const uint32_t code_point = CodePointOf(*out);
    if (code_point > 0xFFFF)
        Fail("a GBK code outside the tables' range: " + std::to_string(code_point));
    return uint16_t(code_point);
}

template <typename Value>
void WriteArray(FILE* file, const char* declaration, const std::vector<Value>& values)
{
    std::fprintf(file, "%s = {", declaration);
    for (size_t i = 0; i < values.size(); ++i)
        std::fprintf(file, "%s0x%X,", i % 16 == 0 ? "\n" : "", unsigned(values[i]));
    std::fprintf(file, "\n};\n");
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        Fail("usage: anglarix-gbk-table-writer OUTPUT.cpp");
    Converter decoder("UTF-32LE", "CP936");
    Converter encoder("CP936", "UTF-32LE");

    std::vector<uint16_t> single(kGbkSingleCount, 0);
    for (unsigned byte = 0; byte < 0x80; ++byte) {
        if (DecodeOne(decoder, {static_cast<unsigned char>(byte)}) != byte && byte != 0)
            Fail("ASCII is not itself in GBK");
    }
    for (unsigned byte = kGbkSingleFirst; byte <= 0xFF; ++byte)
        single[byte - kGbkSingleFirst] = DecodeOne(decoder, {static_cast<unsigned char>(byte)});

    std::vector<uint16_t> pairs(kGbkLeadCount * kGbkTrailCount, 0);
    for (unsigned lead = 0x80; lead <= 0xFF; ++lead) {
        for (unsigned trail = 0; trail <= 0xFF; ++trail) {
            const uint16_t code_point = DecodeOne(decoder, {static_cast<unsigned char>(lead),
                                                            static_cast<unsigned char>(trail)});
            if (code_point == 0)
                continue;
            const bool in_range = lead >= kGbkLeadFirst && lead < kGbkLeadFirst + kGbkLeadCount &&
                                  trail >= kGbkTrailFirst && trail < kGbkTrailFirst + kGbkTrailCount;
            if (!in_range || single[lead - kGbkSingleFirst] != 0)
                Fail("a two-byte GBK code outside the lead and trail ranges");
            pairs[(lead - kGbkLeadFirst) * kGbkTrailCount + (trail - kGbkTrailFirst)] = code_point;
        }
    }

    // The inverse exactly as GbkByTable builds it, then iconv's encoding of every code point.
    std::vector<uint16_t> inverse(0x10000, 0);
    for (unsigned i = 0; i < kGbkSingleCount; ++i) {
        if (single[i] != 0 && inverse[single[i]] == 0)
            inverse[single[i]] = uint16_t(kGbkSingleFirst + i);
    }
    for (unsigned i = 0; i < pairs.size(); ++i) {
        if (pairs[i] != 0 && inverse[pairs[i]] == 0)
            inverse[pairs[i]] = uint16_t((kGbkLeadFirst + i / kGbkTrailCount) << 8 |
                                         (kGbkTrailFirst + i % kGbkTrailCount));
    }
    std::vector<uint16_t> exceptions;
    std::vector<uint32_t> dropped;  // ranges, first and last
    for (uint32_t code_point = 0x80; code_point <= 0x10FFFF; ++code_point) {
        if (code_point >= 0xD800 && code_point <= 0xDFFF)
            continue;
        const std::optional<std::vector<unsigned char>> bytes = encoder.Run(
            {static_cast<unsigned char>(code_point), static_cast<unsigned char>(code_point >> 8),
             static_cast<unsigned char>(code_point >> 16), 0});
        // glibc ignores some characters (the language tags) instead of refusing them.
        if (bytes && bytes->empty()) {
            if (!dropped.empty() && dropped.back() == code_point - 1)
                dropped.back() = code_point;
            else
                dropped.insert(dropped.end(), {code_point, code_point});
            continue;
        }
        if (bytes && bytes->size() > 2)
            Fail("a GBK code longer than two bytes");
        const uint16_t gbk = !bytes               ? 0
                             : bytes->size() == 1 ? (*bytes)[0]
                                                  : uint16_t((*bytes)[0] << 8 | (*bytes)[1]);
        const uint16_t expected = code_point <= 0xFFFF ? inverse[code_point] : 0;
        if (gbk == expected)
            continue;
        if (code_point > 0xFFFF)
            Fail("a code point past the BMP with a GBK form");
        exceptions.push_back(uint16_t(code_point));
        exceptions.push_back(gbk);
    }

    FILE* file = std::fopen(argv[1], "w");
    if (file == nullptr)
        Fail(std::string("cannot write ") + argv[1]);
    std::fprintf(file,
                 "// Written by tools/GbkTableWriter.cpp from the build host's iconv; not edited by hand.\n");
    std::fprintf(file, "#include \"values/GbkTableData.h\"\n\n");
    WriteArray(file, "const uint16_t kGbkSingle[kGbkSingleCount]", single);
    WriteArray(file, "const uint16_t kGbkPairs[kGbkLeadCount * kGbkTrailCount]", pairs);
    std::fprintf(file, "const size_t kGbkEncodingExceptionCount = %zu;\n", exceptions.size() / 2);
    std::fprintf(file, "const size_t kGbkDroppedRangeCount = %zu;\n", dropped.size() / 2);
    // A zero-length array is not C++.
    if (exceptions.empty())
        exceptions = {0, 0};
    if (dropped.empty())
        dropped = {0, 0};
    WriteArray(file, "const uint16_t kGbkEncodingExceptions[]", exceptions);
    WriteArray(file, "const uint32_t kGbkDroppedRanges[]", dropped);
    if (std::fclose(file) != 0)
        Fail(std::string("cannot write ") + argv[1]);
    return 0;
}
