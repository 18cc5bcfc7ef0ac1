#include "values/GbkByTable.h"

#include <algorithm>
#include <array>
#include <memory>
#include <cstdint>

#include "values/GbkTableData.h"
#include "values/Utf8.h"

namespace {

// The encoding of every BMP code point, built once from the decoding tables.
const std::array<uint16_t, 0x10000>& EncodingTable()
{
    static const auto table = [] {
        auto built = std::make_unique<std::array<uint16_t, 0x10000>>();
        built->fill(0);
        for (unsigned i = 0; i < kGbkSingleCount; ++i) {
            uint16_t& code = (*built)[kGbkSingle[i]];
            if (kGbkSingle[i] != 0 && code == 0)
                code = uint16_t(kGbkSingleFirst + i);
        }
        for (unsigned i = 0; i < kGbkLeadCount * kGbkTrailCount; ++i) {
            uint16_t& code = (*built)[kGbkPairs[i]];
            if (kGbkPairs[i] != 0 && code == 0)
                code = uint16_t((kGbkLeadFirst + i / kGbkTrailCount) << 8 |
                                (kGbkTrailFirst + i % kGbkTrailCount));
        }
        for (size_t i = 0; i < kGbkEncodingExceptionCount; ++i)
            (*built)[kGbkEncodingExceptions[2 * i]] = kGbkEncodingExceptions[2 * i + 1];
        return built;
    }();
    return *table;
}

bool IsDropped(uint32_t code_point)
{
    for (size_t i = 0; i < kGbkDroppedRangeCount; ++i) {
        if (code_point >= kGbkDroppedRanges[2 * i] && code_point <= kGbkDroppedRanges[2 * i + 1])
            return true;
    }
    return false;
}

uint16_t DecodePair(unsigned char lead, unsigned char trail)
{
    if (lead < kGbkLeadFirst || lead >= kGbkLeadFirst + kGbkLeadCount || trail < kGbkTrailFirst ||
        trail >= kGbkTrailFirst + kGbkTrailCount)
        return 0;
    return kGbkPairs[(lead - kGbkLeadFirst) * kGbkTrailCount + (trail - kGbkTrailFirst)];
}

}  // namespace

std::string GbkToUtf8ByTable(std::string_view gbk)
{
    std::string output;
    output.reserve(gbk.size() * 2);
    for (size_t i = 0; i < gbk.size();) {
        const auto byte = static_cast<unsigned char>(gbk[i]);
        if (byte < 0x80) {
            output.push_back(char(byte));
            ++i;
            continue;
        }
        const uint16_t pair = i + 1 < gbk.size() ? DecodePair(byte, static_cast<unsigned char>(gbk[i + 1])) : 0;
        const uint16_t code_point = pair != 0 ? pair : kGbkSingle[byte - kGbkSingleFirst];
        // A lead byte whose trail is refused goes alone, so that an ASCII byte after it survives.
        if (code_point == 0)
            output.push_back('?');
        else
            AppendUtf8(output, code_point);
        i += pair != 0 ? 2 : 1;
    }
    return output;
}

std::string Utf8ToGbkByTable(std::string_view utf8)
{
    std::string output;
    output.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const size_t length = Utf8SequenceLength(utf8.substr(i));
        if (length == 0) {
            output.push_back('?');
            ++i;
            continue;
        }
        const uint32_t code_point = Utf8CodePoint(utf8.substr(i, length));
        i += length;
        if (IsDropped(code_point))
            continue;
        const uint16_t code = code_point < 0x80      ? uint16_t(code_point)
                              : code_point <= 0xFFFF ? EncodingTable()[code_point]
                                                     : 0;
        if (code == 0 && code_point != 0)
            output.push_back('?');
        else if (code > 0xFF)
            output.append({char(code >> 8), char(code & 0xFF)});
        else
            output.push_back(char(code));
    }
    return output;
}
