#pragma once
// The GBK (code page 936) tables, written at build time from the build host's iconv by
// tools/GbkTableWriter.cpp. A code point of 0 means the bytes have no character.
#include <cstddef>
#include <cstdint>

// Bytes 80..FF alone (only 80, the euro sign, is a character).
inline constexpr unsigned kGbkSingleFirst = 0x80;
inline constexpr unsigned kGbkSingleCount = 0x80;
extern const uint16_t kGbkSingle[kGbkSingleCount];

// Two-byte codes, lead 81..FE by trail 40..FE, row by row.
inline constexpr unsigned kGbkLeadFirst = 0x81;
inline constexpr unsigned kGbkLeadCount = 0x7E;
inline constexpr unsigned kGbkTrailFirst = 0x40;
inline constexpr unsigned kGbkTrailCount = 0xBF;
extern const uint16_t kGbkPairs[kGbkLeadCount * kGbkTrailCount];

// Encoding is the inverse of the two tables above, the lowest code winning, except at these
// (code point, GBK code or 0) pairs, sorted by code point. A one-byte code is below 0x100.
extern const size_t kGbkEncodingExceptionCount;
extern const uint16_t kGbkEncodingExceptions[];

// Code points that encode to nothing at all (glibc passes over the language tags), as
// (first, last) pairs in ascending order.
extern const size_t kGbkDroppedRangeCount;
extern const uint32_t kGbkDroppedRanges[];
