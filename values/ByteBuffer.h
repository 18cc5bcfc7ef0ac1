#pragma once
// Scratch bytes for the conversions. A first request of at most 512 bytes is served from one
// fixed pool of 96 blocks of 512 bytes, so short conversions never touch the heap; a larger
// request, or one made while the pool is exhausted, goes to the heap with 128 bytes of slack.
#include <cstddef>

constexpr int kByteBufferPoolBlocks = 96;
constexpr size_t kByteBufferPoolBlockSize = 512;

class ByteBuffer {
public:
    ByteBuffer() = default;
    ByteBuffer(const ByteBuffer&) = delete;
    ByteBuffer& operator=(const ByteBuffer&) = delete;
    ~ByteBuffer();

    // Makes the buffer size bytes long, keeping the bytes that both lengths share. A buffer
    // that outgrows its pool block moves to the heap; a heap buffer left with more than 256
    // bytes to spare is shrunk to size + 128. False (buffer unchanged) when the heap refuses.
    bool Resize(size_t size);

    char* Data() { return m_data; }
    const char* Data() const { return m_data; }
    size_t Size() const { return m_size; }
    bool InPool() const { return m_pool_index >= 0; }

private:
    char* m_data = nullptr;
    size_t m_size = 0;
    size_t m_capacity = 0;
    int m_pool_index = -1;
};

// How many pool blocks are lent out on this thread.
int ByteBufferPoolBlocksInUse();
