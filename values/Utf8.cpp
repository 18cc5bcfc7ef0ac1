#include "values/Utf8.h"

size_t Utf8SequenceLength(std::string_view text)
{
    if (text.empty())
        return 0;
    const auto byte = [&text](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    size_t length = lead < 0x80                    ? 1
                    : lead >= 0xC2 && lead <= 0xDF ? 2
                    : lead >= 0xE0 && lead <= 0xEF ? 3
                    : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                   : 0;
    if (length == 0 || length > text.size())
        return 0;
    // The lead byte narrows the range of the second byte; every later one is 80..BF.
    const unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    if (length > 1 && (byte(1) < low || byte(1) > high))
        return 0;
    for (size_t i = 2; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
    }
    return length;
}

uint32_t Utf8CodePoint(std::string_view sequence)
{
    const auto byte = [&sequence](size_t i) { return uint32_t(static_cast<unsigned char>(sequence[i])); };
    static constexpr uint32_t kLeadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    uint32_t code_point = byte(0) & kLeadBits[sequence.size()];
    for (size_t i = 1; i < sequence.size(); ++i)
        code_point = code_point << 6 | (byte(i) & 0x3F);
    return code_point;
}

void AppendUtf8(std::string& out, uint32_t code_point)
{
    if (code_point < 0x80) {
        out.push_back(char(code_point));
        return;
    }
    const int trail_count = code_point < 0x800 ? 1 : code_point < 0x10000 ? 2 : 3;
    static constexpr unsigned char kLeadMarks[] = {0, 0xC0, 0xE0, 0xF0};
    out.push_back(char(kLeadMarks[trail_count] | code_point >> (6 * trail_count)));
    for (int i = trail_count - 1; i >= 0; --i)
        out.push_back(char(0x80 | (code_point >> (6 * i) & 0x3F)));
}
