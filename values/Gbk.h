#pragma once
// Where texts meet Linux (Qt, the command line), Windows and the browser: GBK (code page 936) <-> UTF-8.
// A character that has no GBK form becomes "?"; an invalid byte sequence in either direction
// becomes "?". Through tables written at build time from iconv (values/GbkByTable.h).
#include <string>
#include <string_view>

std::string GbkToUtf8(std::string_view gbk);
std::string Utf8ToGbk(std::string_view utf8);
// Whether the text is ASCII, which is the same text in GBK and UTF-8.
bool IsAscii(std::string_view text);
