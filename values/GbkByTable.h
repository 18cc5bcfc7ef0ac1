#pragma once
// GBK <-> UTF-8 through the tables written at build time (values/GbkTableData.h): what
// values/Gbk.h converts with. The same texts as iconv (values/GbkByIconv.h), "?" rules
// included: a GBK byte that starts no character is one "?", and so is a well-formed UTF-8
// character without a GBK form; a broken UTF-8 sequence is one "?" per byte.
//   "\xD6\xD0" <-> "中"     "\x81\x30z" -> "?0z"     "a😀b" -> "a?b"
#include <string>
#include <string_view>

std::string GbkToUtf8ByTable(std::string_view gbk);
std::string Utf8ToGbkByTable(std::string_view utf8);
