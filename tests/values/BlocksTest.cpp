#include <gtest/gtest.h>

#include <sys/resource.h>

#include <cstring>
#include <set>
#include <string>

#include "tests/values/ChildProcess.h"
#include "values/Blocks.h"
#include "values/Commands.h"
#include "values/Constants.h"

namespace {

// The constants block registered as start-up does it, for every test in this file.
class Blocks : public ::testing::Test {
protected:
    void SetUp() override
    {
        AddConstantRange(ConstantsBlock.bytes, ConstantsBlock.bytes + kConstantsBlockSize);
    }
    void TearDown() override { ClearConstantRanges(); }
};

TEST_F(Blocks, ZeroSizedBlocksAreDistinctAndFreeable)
{
    std::set<void*> seen;
    for (int i = 0; i < 8; ++i) {
        void* block = AllocateBlock(0);
        ASSERT_NE(block, nullptr);
        EXPECT_TRUE(seen.insert(block).second);
    }
    for (void* block : seen)
        FreeBlock(block);
}

TEST_F(Blocks, NullAndConstantAddressesAreNeverFreed)
{
    FreeBlock(nullptr);
    FreeBlock(const_cast<char*>(EmptyText));
    FreeBlock(const_cast<char*>(SineCall));
    EXPECT_EQ(EmptyText[0], '\0');
    EXPECT_STREQ(SineCall, "sin(");
}

TEST_F(Blocks, ConstantRangeHoldsItsStartButNotItsEnd)
{
    const char* start = ConstantsBlock.bytes;
    const char* end = start + kConstantsBlockSize;
    EXPECT_EQ(ConstantRangeEnd(start), end);
    EXPECT_EQ(ConstantRangeEnd(end - 1), end);
    EXPECT_EQ(ConstantRangeEnd(end), nullptr);
    const char outside = 0;
    EXPECT_EQ(ConstantRangeEnd(&outside), nullptr);
    EXPECT_EQ(ConstantRangeEnd(nullptr), nullptr);
}

TEST_F(Blocks, ResizeOfNullAllocates)
{
    auto* block = static_cast<char*>(ResizeBlock(nullptr, 16));
    ASSERT_NE(block, nullptr);
    std::memset(block, 'x', 16);
    FreeBlock(block);
}

TEST_F(Blocks, ResizeOfAConstantCopiesWhatTheRangeHolds)
{
    const std::string before(ConstantsBlock.bytes, kConstantsBlockSize);
    auto* empty = static_cast<char*>(ResizeBlock(const_cast<char*>(EmptyText), 10));
    ASSERT_NE(empty, EmptyText);
    EXPECT_EQ(ConstantRangeEnd(empty), nullptr);
    EXPECT_EQ(empty[0], '\0');

    // From the last byte of the block, only that one byte lies in the range.
    const char* last = ConstantsBlock.bytes + kConstantsBlockSize - 1;
    auto* tail = static_cast<char*>(ResizeBlock(const_cast<char*>(last), 1000));
    EXPECT_EQ(tail[0], *last);

    auto* call = static_cast<char*>(ResizeBlock(const_cast<char*>(SineCall), 3));
    EXPECT_EQ(std::string(call, 3), "sin");

    EXPECT_EQ(std::string(ConstantsBlock.bytes, kConstantsBlockSize), before);
    for (char* block : {empty, tail, call})
        FreeBlock(block);
}

TEST_F(Blocks, ResizeOfAHeapBlockKeepsItsBytes)
{
    auto* block = static_cast<char*>(AllocateBlock(4));
    std::memcpy(block, "abcd", 4);
    block = static_cast<char*>(ResizeBlock(block, 100));
    EXPECT_EQ(std::string(block, 4), "abcd");
    block = static_cast<char*>(ResizeBlock(block, 2));
    EXPECT_EQ(std::string(block, 2), "ab");
    block = static_cast<char*>(ResizeBlock(block, 0));  // still a block, never freed by resizing
    ASSERT_NE(block, nullptr);
    FreeBlock(block);
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

TEST(BlocksFailure, ExhaustedMemoryEndsTheProgramWithTheAllocationReport)
{
    if (kAddressSanitizer)
        GTEST_SKIP() << "the sanitizer's allocator ends the process itself on exhaustion";
    const char kExpected[] = "运行时出错!\r\n\r\n错误信息：分配 4294967295 字节内存失败!\r\n";
    // clang-format off
    const struct { const char* name; void (*attempt)(); } cases[] = {
        {"allocate", [] { AllocateBlock(UINT32_MAX); }},
        {"resize", [] { ResizeBlock(AllocateBlock(16), UINT32_MAX); }},
    };
    // clang-format on
    for (const auto& c : cases) {
        const ChildOutcome outcome = RunInChild([&c] {
            const rlimit limit{512u << 20, 512u << 20};  // far below the 4 GiB asked for
            setrlimit(RLIMIT_AS, &limit);
            c.attempt();
        });
        EXPECT_TRUE(outcome.exited) << c.name;
        EXPECT_EQ(outcome.status, 255) << c.name;
        EXPECT_EQ(outcome.stderr_text, kExpected) << c.name;
    }
}

}  // namespace
