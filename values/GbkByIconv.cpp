#include "values/GbkByIconv.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

#include "values/Utf8.h"

namespace {

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
// converter up afresh every time.
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

    // iconv is handed a short window of the input at a time: after a refused character,
    // glibc converts again everything it had taken into its internal buffer to learn where to
    // stop, so over the whole rest of the input a text full of characters without a form in
    // the target (a pasted binary file) took time that grew with the square of its length.
    constexpr size_t kWindow = 64;
    char buffer[256];
    size_t offset = 0;
    while (offset < input.size()) {
        char* in = const_cast<char*>(input.data() + offset);
        const size_t window = std::min(input.size() - offset, kWindow);
        size_t in_left = window;
        char* out = buffer;
        size_t out_left = sizeof buffer;
        const size_t rc = iconv(cd, &in, &in_left, &out, &out_left);
        const int error = errno;
        output.append(buffer, size_t(out - buffer));
        const bool cut_by_window = offset + window < input.size();
        offset += window - in_left;
        // A sequence the window cut short starts the next window.
        if (rc != size_t(-1) || error == E2BIG || (error == EINVAL && cut_by_window))
            continue;
        // EILSEQ (invalid or without a form in the target) or EINVAL (cut short at the end).
        output.push_back('?');
        offset += RefusedLength(input.substr(offset), source);
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    return output;
}

}  // namespace

std::string GbkToUtf8ByIconv(std::string_view gbk) { return Convert(gbk, Source::Gbk); }

std::string Utf8ToGbkByIconv(std::string_view utf8) { return Convert(utf8, Source::Utf8); }
