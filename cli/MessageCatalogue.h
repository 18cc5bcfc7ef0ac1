#pragma once
// Looks messages up in a GNU message catalogue (.mo, as msgfmt writes it from po/) held in
// memory, for a system without gettext: Windows has the catalogue built into the program.
// A catalogue that is short, of another byte order or broken anywhere translates nothing.
//   catalogue.Translate("an angle is required") -> "角度必须输入"
//   catalogue.Translate("no such message")      -> nullptr
#include <cstdint>
#include <string_view>

class MessageCatalogue {
public:
    MessageCatalogue() = default;
    explicit MessageCatalogue(std::string_view bytes);

    // The translation, NUL-terminated inside the catalogue's bytes; nullptr when there is none.
    const char* Translate(std::string_view english) const;

private:
    static bool IsContiguous(std::string_view bytes, uint32_t count, uint32_t originals, uint32_t translations);
    // The entry's text, or an empty view when the entry points outside the bytes.
    std::string_view Entry(uint32_t table, uint32_t index) const;

    std::string_view m_bytes;
    uint32_t m_count = 0;
    uint32_t m_originals = 0;
    uint32_t m_translations = 0;
};
