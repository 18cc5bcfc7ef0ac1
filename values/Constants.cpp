#include "values/Constants.h"

#include <array>

#include "values/Commands.h"
#include "values/Bits.h"

namespace {

// Layout: the empty text, the engine's texts, then the numbers on 8-byte boundaries. What the
// procedures use fills 70 bytes; the rest of the block's fixed 126 bytes is zero padding.
constexpr uint32_t kSineCallOffset = 1;        // "sin("
constexpr uint32_t kCosineCallOffset = 6;      // "cos("
constexpr uint32_t kTangentCallOffset = 11;    // "tg("
constexpr uint32_t kCotangentCallOffset = 15;  // "ctg("
constexpr uint32_t kCloseParenOffset = 20;     // ")"
constexpr uint32_t kTextsEnd = 22;
constexpr uint32_t kNumbersOffset = 24;
constexpr std::array kNumbers = {PiApprox, DegreesPerHalfTurn, HalfPiApprox, ZeroTolerance, PlusOne,
                                 MinusOne};
constexpr uint32_t kNumbersEnd = kNumbersOffset + 8 * kNumbers.size();
static_assert(kTextsEnd <= kNumbersOffset && kNumbersOffset % 8 == 0);
static_assert(kNumbersEnd <= kConstantsBlockSize);
// The ten-decimal pi and its half are both exact halvings in binary, so the pair stays exact.
static_assert(HalfPiApprox * 2 == PiApprox);

constexpr ConstantsBlockBytes BuildConstantsBlock()
{
    ConstantsBlockBytes block{};
    const auto put_text = [&block](uint32_t offset, const char* text) {
        for (uint32_t i = 0; text[i] != '\0'; ++i)
            block.bytes[offset + i] = text[i];
    };
    put_text(kSineCallOffset, "sin(");
    put_text(kCosineCallOffset, "cos(");
    put_text(kTangentCallOffset, "tg(");
    put_text(kCotangentCallOffset, "ctg(");
    put_text(kCloseParenOffset, ")");
    for (uint32_t n = 0; n < kNumbers.size(); ++n) {
        const auto raw = BitCast<std::array<char, 8>>(kNumbers[n]);
        for (uint32_t i = 0; i < 8; ++i)
            block.bytes[kNumbersOffset + 8 * n + i] = raw[i];
    }
    return block;
}

}  // namespace

alignas(8) constinit const ConstantsBlockBytes ConstantsBlock = BuildConstantsBlock();

const char* const EmptyText = ConstantsBlock.bytes;
const char* const SineCall = ConstantsBlock.bytes + kSineCallOffset;
const char* const CosineCall = ConstantsBlock.bytes + kCosineCallOffset;
const char* const TangentCall = ConstantsBlock.bytes + kTangentCallOffset;
const char* const CotangentCall = ConstantsBlock.bytes + kCotangentCallOffset;
const char* const CloseParen = ConstantsBlock.bytes + kCloseParenOffset;
