#pragma once
// The fields of a stored font (a Windows LOGFONT of kLogFontSize bytes) that the kinds and the
// property services read and write. Words are little-endian 32-bit.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/template/LittleEndian.h"

// The font of every unit without a font of its own, and of every window: one pinned 12-pixel
// CJK font, so that text takes the same pixels on every machine.
inline constexpr const char* kGuiFontFamily = "WenQuanYi Zen Hei";
constexpr int kGuiFontPixels = 12;

// The default GUI font described as a LOGFONT.
const std::vector<uint8_t>& DefaultLogFont();

namespace logfont {

constexpr size_t kHeight = 0;
constexpr size_t kEscapement = 8;
constexpr size_t kOrientation = 12;
constexpr size_t kWeight = 16;
constexpr size_t kItalic = 20;
constexpr size_t kUnderline = 21;
constexpr size_t kStrikeOut = 22;
constexpr size_t kCharSet = 23;
constexpr size_t kFaceName = 28;
constexpr size_t kFaceNameSize = 32;

constexpr int32_t kWeightNormal = 400;
constexpr int32_t kWeightBold = 700;
constexpr uint8_t kGb2312Charset = 134;

inline int32_t ReadWord(const uint8_t* font, size_t offset) { return int32_t(ReadLe32(font + offset)); }

inline void WriteWord(uint8_t* font, size_t offset, int32_t value)
{
    WriteLe32(font + offset, uint32_t(value));
}

}  // namespace logfont
