#pragma once
// Text results: a new block of exactly length + 1 bytes from AllocateBlock, NUL-terminated and
// owned by the caller; the empty text is returned as null, never as an allocated "".
#include <cstddef>

// A text of the first n bytes at address (which need not be NUL-terminated); null when n < 1.
//   NewText("abcdef", 3) -> "abc"     NewText("abc", 0) -> null
char* NewText(const char* address, ptrdiff_t n);
// A copy of a NUL-terminated text; null when it is empty (or null).
char* DuplicateText(const char* text);
