#include "core/paint/JsonText.h"

#include <cstdio>

namespace paint {

void AppendJsonText(std::string& out, std::string_view utf8)
{
    out += '"';
    for (const char c : utf8) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
            out += escape;
        } else {
            out += c;
        }
    }
    out += '"';
}

}  // namespace paint
