#include <gtest/gtest.h>

#include <cstring>

#include "values/Commands.h"
#include "values/Constants.h"
#include "values/Bits.h"

namespace {

TEST(ConstantsBlock, BeginsWithTheEmptyTextAndHoldsTheEngineTexts)
{
    EXPECT_EQ(EmptyText, ConstantsBlock.bytes);
    EXPECT_EQ(EmptyText[0], '\0');
    // clang-format off
    const struct { const char* text; const char* expected; } cases[] = {
        {SineCall, "sin("}, {CosineCall, "cos("}, {TangentCall, "tg("}, {CotangentCall, "ctg("}, {CloseParen, ")"},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_STREQ(c.text, c.expected);
        EXPECT_GE(c.text, ConstantsBlock.bytes);
        EXPECT_LE(c.text + std::strlen(c.text) + 1, ConstantsBlock.bytes + kConstantsBlockSize) << c.expected;
    }
}

// The calculator uses the constexpr values; they must be the very doubles the block holds.
TEST(ConstantsBlock, HoldsEachNumberOnAnEightByteBoundary)
{
    for (double number : {PiApprox, DegreesPerHalfTurn, HalfPiApprox, ZeroTolerance, PlusOne, MinusOne}) {
        bool found = false;
        for (uint32_t offset = 0; offset + 8 <= kConstantsBlockSize; offset += 8)
            found = found || std::memcmp(ConstantsBlock.bytes + offset, &number, 8) == 0;
        EXPECT_TRUE(found) << number;
    }
    EXPECT_EQ(reinterpret_cast<uintptr_t>(ConstantsBlock.bytes) % 8, 0u);
    EXPECT_EQ(BitCast<uint64_t>(PiApprox), BitCast<uint64_t>(3.1415926535));
    EXPECT_EQ(HalfPiApprox, PiApprox / 2);
}

}  // namespace
