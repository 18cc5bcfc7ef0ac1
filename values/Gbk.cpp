#include "values/Gbk.h"

#include <algorithm>

#include "values/GbkByTable.h"

// ASCII is the same text in both: most texts (every expression typed without a Chinese
// character, every answer) are passed on as they are, without a look at the tables.
bool IsAscii(std::string_view text)
{
    return std::none_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// Through the tables everywhere: iconv's GBK is a module the C library loads, with its cache
// of module names, the first time a converter opens, which at start-up cost more than the
// texts it converted.
std::string GbkToUtf8(std::string_view gbk)
{
    return IsAscii(gbk) ? std::string(gbk) : GbkToUtf8ByTable(gbk);
}

std::string Utf8ToGbk(std::string_view utf8)
{
    return IsAscii(utf8) ? std::string(utf8) : Utf8ToGbkByTable(utf8);
}
