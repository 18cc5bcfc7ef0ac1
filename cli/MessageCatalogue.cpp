#include "cli/MessageCatalogue.h"

#include <cstring>

namespace {

constexpr uint32_t kMagic = 0x950412de;
constexpr size_t kHeaderSize = 28;

uint32_t Word(std::string_view bytes, size_t offset)
{
    uint32_t value = 0;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

}  // namespace

MessageCatalogue::MessageCatalogue(std::string_view bytes)
{
    if (bytes.size() < kHeaderSize || Word(bytes, 0) != kMagic)
        return;
    const uint32_t count = Word(bytes, 8);
    const uint32_t originals = Word(bytes, 12);
    const uint32_t translations = Word(bytes, 16);
    // Each table holds a length and an offset per message.
    const uint64_t table_size = uint64_t(count) * 8;
    if (originals + table_size > bytes.size() || translations + table_size > bytes.size())
        return;
    if (!IsContiguous(bytes, count, originals, translations))
        return;
    m_bytes = bytes;
    m_count = count;
    m_originals = originals;
    m_translations = translations;
}

// msgfmt writes the originals one after the other, then the translations: a length or an
// offset damaged in the tables leaves a gap or an overlap, which an entry checked alone may
// not show (it can point at another message of the same length).
bool MessageCatalogue::IsContiguous(std::string_view bytes, uint32_t count, uint32_t originals,
                                    uint32_t translations)
{
    uint64_t next = count == 0 ? 0 : Word(bytes, originals + 4);
    for (const uint32_t table : {originals, translations}) {
        for (uint32_t index = 0; index < count; ++index) {
            const uint32_t length = Word(bytes, table + size_t(index) * 8);
            const uint32_t offset = Word(bytes, table + size_t(index) * 8 + 4);
            if (offset != next)
                return false;
            next = uint64_t(offset) + length + 1;
        }
    }
    return true;
}

std::string_view MessageCatalogue::Entry(uint32_t table, uint32_t index) const
{
    const uint32_t length = Word(m_bytes, table + size_t(index) * 8);
    const uint32_t offset = Word(m_bytes, table + size_t(index) * 8 + 4);
    // The text is followed by its NUL, which Translate hands out with it.
    if (uint64_t(offset) + length >= m_bytes.size() || m_bytes[offset + length] != '\0')
        return {};
    return m_bytes.substr(offset, length);
}

// msgfmt sorts the originals by their bytes, so the search halves.
const char* MessageCatalogue::Translate(std::string_view english) const
{
    uint32_t low = 0;
    uint32_t high = m_count;
    while (low < high) {
        const uint32_t middle = low + (high - low) / 2;
        const int order = Entry(m_originals, middle).compare(english);
        if (order == 0) {
            const std::string_view translation = Entry(m_translations, middle);
            return translation.empty() ? nullptr : translation.data();
        }
        if (order < 0)
            low = middle + 1;
        else
            high = middle;
    }
    return nullptr;
}
