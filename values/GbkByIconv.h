#pragma once
// GBK <-> UTF-8 through the C library's iconv (code page 936), where it has GBK: the reference
// the build-time tables are written from and checked against. The same texts as
// values/Gbk.h, "?" rules included.
//   "\xD6\xD0" <-> "中"     "\x81\x30z" -> "?0z"     "a😀b" -> "a?b"
#include <string>
#include <string_view>

std::string GbkToUtf8ByIconv(std::string_view gbk);
std::string Utf8ToGbkByIconv(std::string_view utf8);
