#include "values/ByteBuffer.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

constexpr size_t kHeapSlack = 128;
constexpr size_t kMaxSpare = 256;

// One pool per thread: the program has one thread, and a per-thread pool keeps a stray
// worker thread (tests, tools) from racing on the flags.
struct Pool {
    int in_use_count;
    uint8_t in_use[kByteBufferPoolBlocks];
    alignas(16) char blocks[kByteBufferPoolBlocks][kByteBufferPoolBlockSize];
};
thread_local Pool t_pool;

int TakePoolBlock()
{
    if (t_pool.in_use_count >= kByteBufferPoolBlocks)
        return -1;
    for (int i = 0; i < kByteBufferPoolBlocks; ++i) {
        if (!t_pool.in_use[i]) {
            t_pool.in_use[i] = 1;
            ++t_pool.in_use_count;
            return i;
        }
    }
    return -1;
}

void ReturnPoolBlock(int index)
{
    t_pool.in_use[index] = 0;
    --t_pool.in_use_count;
}

}  // namespace

int ByteBufferPoolBlocksInUse() { return t_pool.in_use_count; }

ByteBuffer::~ByteBuffer()
{
    if (m_pool_index >= 0)
        ReturnPoolBlock(m_pool_index);
    else
        std::free(m_data);
}

bool ByteBuffer::Resize(size_t size)
{
    if (size > SIZE_MAX - kHeapSlack)
        return false;
    if (m_pool_index >= 0 && size <= kByteBufferPoolBlockSize) {
        m_size = size;
        return true;
    }
    if (m_data == nullptr && size <= kByteBufferPoolBlockSize) {
        const int index = TakePoolBlock();
        if (index >= 0) {
            m_pool_index = index;
            m_data = t_pool.blocks[index];
            m_capacity = kByteBufferPoolBlockSize;
            m_size = size;
            return true;
        }
    }
    if (m_data == nullptr || m_pool_index >= 0) {
        // First heap storage, or a pool buffer outgrowing its block.
        char* heap = static_cast<char*>(std::malloc(size + kHeapSlack));
        if (heap == nullptr)
            return false;
        if (m_pool_index >= 0) {
            std::memcpy(heap, m_data, m_size);
            ReturnPoolBlock(m_pool_index);
            m_pool_index = -1;
        }
        m_data = heap;
        m_capacity = size + kHeapSlack;
    } else if (size > m_capacity || m_capacity - size > kMaxSpare) {
        char* heap = static_cast<char*>(std::realloc(m_data, size + kHeapSlack));
        if (heap == nullptr)
            return false;
        m_data = heap;
        m_capacity = size + kHeapSlack;
    }
    m_size = size;
    return true;
}
