#include "core/frame/NoteText.h"

#include <vector>

namespace {

bool Continues(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// Byte offset after the first n characters of text (its size if it has fewer).
size_t AfterCharacters(std::string_view text, size_t n)
{
    size_t at = 0;
    for (size_t seen = 0; at < text.size(); ++at) {
        if (!Continues(text[at]) && seen++ == n)
            break;
    }
    return at;
}

size_t CharacterCount(std::string_view text)
{
    size_t count = 0;
    for (const char byte : text)
        count += Continues(byte) ? 0 : 1;
    return count;
}

}  // namespace

std::string NoteText(std::string_view text)
{
    std::vector<std::string_view> lines;
    for (size_t start = 0;;) {
        const size_t end = text.find('\n', start);
        lines.push_back(
            text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    std::string kept(text);
    if (lines.size() > kNoteMostLines) {
        const size_t head = kNoteMostLines / 2;
        kept.clear();
        for (size_t i = 0; i < head; ++i)
            kept.append(lines[i]).append("\n");
        kept += "…";
        for (size_t i = lines.size() - (kNoteMostLines - head - 1); i < lines.size(); ++i)
            kept.append("\n").append(lines[i]);
    }
    const size_t characters = CharacterCount(kept);
    if (characters <= kNoteMostCharacters)
        return kept;
    const size_t half = (kNoteMostCharacters - 3) / 2;
    const std::string_view all = kept;
    return std::string(all.substr(0, AfterCharacters(all, half))) + " … " +
           std::string(all.substr(AfterCharacters(all, characters - half)));
}
