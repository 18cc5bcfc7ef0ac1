#pragma once
// Memory blocks for texts, arrays and byte sets. Allocation never returns null: failure is
// the fatal allocation report. Addresses inside a registered constant range may be passed
// like heap blocks and are never freed or resized in place.
#include <cstdint>
#include <memory>

void* AllocateBlock(uint32_t size);
void* ResizeBlock(void* block, uint32_t size);
void FreeBlock(void* block);

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
