#include "values/Gbk.h"

#include "values/GbkByTable.h"

// Through the tables everywhere: iconv's GBK is a module the C library loads, with its cache
// of module names, the first time a converter opens, which at start-up cost more than the
// texts it converted.
std::string GbkToUtf8(std::string_view gbk) { return GbkToUtf8ByTable(gbk); }

std::string Utf8ToGbk(std::string_view utf8) { return Utf8ToGbkByTable(utf8); }
