#pragma once
// What a note holds: a few lines at most, whatever the text it is given. A note is read at a
// glance and laid out by a toolkit that takes minutes over megabytes; the whole text is in the
// box (or the hover, which scrolls).
//   8 lines or fewer and 400 characters or fewer      -> the text as it is
//   "a\nb\n...\nz" of 20 lines                        -> the first 4 lines, "…", the last 3
//   a line of 10,000 digits                           -> its first 198 and last 198 around " … "
#include <string>
#include <string_view>

inline constexpr size_t kNoteMostLines = 8;
inline constexpr size_t kNoteMostCharacters = 400;

// text and the result are UTF-8; a cut never falls inside a character.
std::string NoteText(std::string_view text);
