#include "values/Blocks.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "values/RuntimeError.h"

namespace {

struct ConstantRange {
    const char* start;
    const char* end;
};

// Filled once at start-up; the list is tiny (one range in this program), so a linear scan wins.
std::vector<ConstantRange>& Ranges()
{
    static std::vector<ConstantRange> ranges;
    return ranges;
}

// malloc(0) and realloc(p, 0) may return null or free the block; a block of at least one byte
// keeps "never null" and "distinct" without special cases at the callers.
size_t HeapSize(uint32_t size) { return size == 0 ? 1 : size; }

}  // namespace

void AddConstantRange(const void* start, const void* end)
{
    if (start == nullptr || end <= start)
        return;
    Ranges().push_back({static_cast<const char*>(start), static_cast<const char*>(end)});
}

void ClearConstantRanges() { Ranges().clear(); }

const void* ConstantRangeEnd(const void* address)
{
    // Compared as integers: the address and the ranges belong to unrelated objects.
    const auto a = reinterpret_cast<uintptr_t>(address);
    for (const ConstantRange& range : Ranges()) {
        if (a >= reinterpret_cast<uintptr_t>(range.start) && a < reinterpret_cast<uintptr_t>(range.end))
            return range.end;
    }
    return nullptr;
}

void* AllocateBlock(uint32_t size)
{
    void* block = std::malloc(HeapSize(size));
    if (block == nullptr)
        ReportAllocationFailure(size);
    return block;
}

void* ResizeBlock(void* block, uint32_t size)
{
    if (block == nullptr)
        return AllocateBlock(size);
    if (const void* end = ConstantRangeEnd(block)) {
        // The constant bytes stay where they are; the caller gets a heap copy it may change.
        void* copy = AllocateBlock(size);
        const auto available = size_t(static_cast<const char*>(end) - static_cast<const char*>(block));
        std::memcpy(copy, block, std::min<size_t>(size, available));
        return copy;
    }
    void* moved = std::realloc(block, HeapSize(size));
    if (moved == nullptr)
        ReportAllocationFailure(size);
    return moved;
}

void FreeBlock(void* block)
{
    if (block == nullptr || ConstantRangeEnd(block) != nullptr)
        return;
    std::free(block);
}

void* NewByteSet(const void* data, size_t size)
{
    if (data == nullptr || size == 0)
        return nullptr;
    auto* block = static_cast<uint8_t*>(AllocateBlock(uint32_t(8 + size)));
    const int32_t header[2] = {1, int32_t(size)};
    std::memcpy(block, header, sizeof header);
    std::memcpy(block + 8, data, size);
    return block;
}

std::span<const uint8_t> ByteSetContents(const void* block)
{
    if (block == nullptr)
        return {};
    const auto* bytes = static_cast<const uint8_t*>(block);
    int32_t count;
    std::memcpy(&count, bytes + 4, sizeof count);
    return {bytes + 8, count > 0 ? size_t(count) : 0};
}
