#pragma once
// A UTF-8 text as a quoted JSON string, appended to `out`: quotes and backslashes escaped,
// control characters as \u00XX, everything else (UTF-8 included) as it is. The one escaper of
// the display list's JSON and the page's unit descriptions.
//   AppendJsonText(out, "a\"b\n") appends "a\"b\u000a" in quotes
#include <string>
#include <string_view>

namespace paint {

void AppendJsonText(std::string& out, std::string_view utf8);

}  // namespace paint
