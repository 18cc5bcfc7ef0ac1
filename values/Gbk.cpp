#include "values/Gbk.h"

#include <iconv.h>

#include <cerrno>

namespace {

// Length of the well-formed UTF-8 sequence starting at text[0], or 0 when it is not one
// (overlong forms, surrogates and code points past U+10FFFF are not well-formed).
size_t Utf8SequenceLength(std::string_view text)
{
    const auto byte = [&text](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                  : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
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

// How far to skip past a byte sequence that iconv refused, so that one "?" stands for it.
enum class Source { Gbk, Utf8 };
size_t RefusedLength(std::string_view rest, Source source)
{
    if (source == Source::Utf8) {
        // A well-formed character without a GBK form is skipped whole; a broken one byte by byte.
        const size_t length = Utf8SequenceLength(rest);
        return length == 0 ? 1 : length;
    }
    // A GBK lead byte with a bad trail byte: only the lead is dropped, so an ASCII byte after it
    // survives.
    return 1;
}

// One converter per direction and thread, opened on first use: iconv_open looks the
// converter up afresh every time, and a window converts every caption it shows.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Converter()
    {
        if (m_cd != iconv_t(-1))
            iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    iconv_t Get() const { return m_cd; }

private:
    iconv_t m_cd;
};

// CP936 names the Windows code page itself (0x80 is the euro sign there).
iconv_t ConverterFor(Source source)
{
    thread_local const Converter to_utf8("UTF-8", "CP936");
    thread_local const Converter to_gbk("CP936", "UTF-8");
    return source == Source::Gbk ? to_utf8.Get() : to_gbk.Get();
}

std::string Convert(std::string_view input, Source source)
{
    std::string output;
    if (input.empty())
        return output;
    iconv_t cd = ConverterFor(source);
    if (cd == iconv_t(-1))
        return std::string(input.size(), '?');
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    output.reserve(input.size() * 2);

    char buffer[256];
    size_t offset = 0;
    while (offset < input.size()) {
        char* in = const_cast<char*>(input.data() + offset);
        size_t in_left = input.size() - offset;
        char* out = buffer;
        size_t out_left = sizeof buffer;
        const size_t rc = iconv(cd, &in, &in_left, &out, &out_left);
        const int error = errno;
        output.append(buffer, size_t(out - buffer));
        offset = input.size() - in_left;
        if (rc != size_t(-1) || error == E2BIG)
            continue;
        // EILSEQ (invalid or without a form in the target) or EINVAL (cut short at the end).
        output.push_back('?');
        offset += RefusedLength(input.substr(offset), source);
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    return output;
}

}  // namespace

std::string GbkToUtf8(std::string_view gbk) { return Convert(gbk, Source::Gbk); }

std::string Utf8ToGbk(std::string_view utf8) { return Convert(utf8, Source::Utf8); }
