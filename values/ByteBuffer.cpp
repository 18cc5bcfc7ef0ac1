#include "values/ByteBuffer.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

constexpr size_t kHeapSlack = 128;
constexpr size_t kMaxSpare = 256;

// One pool per thread: the program has one thread, and a per-thread pool keeps a stray
// worker thread (tests, tools) from racing on the flags. Its storage comes from the heap the
// first time the thread asks for a block, not from the thread's own storage: the C library
// clears that for every thread it starts, Qt's included, and the pages of blocks never lent
// are never touched.
struct Pool {
    int in_use_count = 0;
    uint8_t in_use[kByteBufferPoolBlocks] = {};
    alignas(16) char blocks[kByteBufferPoolBlocks][kByteBufferPoolBlockSize];
};
thread_local Pool* t_pool = nullptr;
thread_local bool t_thread_ending = false;

// Frees the thread's pool as the thread ends, unless a block is still lent out; from then on
// the thread's requests go to the heap.
struct PoolRelease {
    PoolRelease() = default;
    PoolRelease(const PoolRelease&) = delete;
    PoolRelease& operator=(const PoolRelease&) = delete;
    ~PoolRelease()
    {
        t_thread_ending = true;
        if (t_pool != nullptr && t_pool->in_use_count == 0) {
            delete t_pool;
            t_pool = nullptr;
        }
    }
};

Pool* ThreadPool()
{
    if (t_pool == nullptr && !t_thread_ending) {
        t_pool = new Pool;  // default-initialised: the blocks stay untouched
        thread_local PoolRelease release;
    }
    return t_thread_ending ? nullptr : t_pool;
}

int TakePoolBlock()
{
    Pool* pool = ThreadPool();
    if (pool == nullptr || pool->in_use_count >= kByteBufferPoolBlocks)
        return -1;
    for (int i = 0; i < kByteBufferPoolBlocks; ++i) {
        if (!pool->in_use[i]) {
            pool->in_use[i] = 1;
            ++pool->in_use_count;
            return i;
        }
    }
    return -1;
}

void ReturnPoolBlock(int index)
{
    t_pool->in_use[index] = 0;
    --t_pool->in_use_count;
}

}  // namespace

int ByteBufferPoolBlocksInUse() { return t_pool != nullptr ? t_pool->in_use_count : 0; }

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
            m_data = t_pool->blocks[index];
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
