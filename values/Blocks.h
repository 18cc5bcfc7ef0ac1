#pragma once
// Memory blocks for texts, arrays and byte sets. Allocation never returns null: failure is
// the fatal allocation report. Addresses inside a registered constant range may be passed
// like heap blocks and are never freed or resized in place.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

void* AllocateBlock(uint32_t size);
void* ResizeBlock(void* block, uint32_t size);
void FreeBlock(void* block);

// Byte-set blocks (pictures, icons, sounds, pointers): int32 1, int32 byte count n, the n
// bytes.
//   ByteSetContents(NewByteSet("ab", 2)) -> {'a', 'b'}      NewByteSet(p, 0) -> null
void* NewByteSet(const void* data, size_t size);
// The bytes a block holds; empty for null or a count that is not positive.
std::span<const uint8_t> ByteSetContents(const void* block);

// ConstantRanges: [start, end) ranges of program constants.
void AddConstantRange(const void* start, const void* end);
void ClearConstantRanges();
// The end of the range holding address, or null when it is not constant.
const void* ConstantRangeEnd(const void* address);

struct BlockDeleter {
    void operator()(void* block) const { FreeBlock(block); }
};
// Owns a text returned by a command or a property read; null stands for the empty text.
using TextBlock = std::unique_ptr<char, BlockDeleter>;
