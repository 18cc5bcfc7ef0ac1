#include "core/runtime/PropertyConversion.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

#include "core/props/LogFont.h"
#include "core/props/PropertySet.h"
#include "core/props/UnitTypes.h"
#include "values/Blocks.h"
#include "values/TextBlocks.h"

namespace {

// Declared types without a name of their own in the property table.
constexpr uint16_t kTypeInteger1000 = 1000;
constexpr uint16_t kTypeWide1002 = 1002;
constexpr uint16_t kTypeWide1004 = 1004;
constexpr uint16_t kTypeColour1015 = 1015;
constexpr uint16_t kTypeBlock1023 = 1023;
constexpr uint16_t kTypeBlock1024 = 1024;

using namespace logfont;
constexpr const char kDefaultFaceName[] = "\xcb\xce\xcc\xe5";  // 宋体

enum class Shape { Word, Boolean, Choice, Wide, Block, Font, Text };

Shape ShapeOf(uint16_t type)
{
    switch (type) {
    case kTypeInteger1000:
    case PROP_INTEGER:
    case PROP_COLOUR:
    case kTypeColour1015:
    case PROP_COLOUR_DEFAULT: return Shape::Word;
    case PROP_CHOICE: return Shape::Choice;
    case PROP_BOOLEAN: return Shape::Boolean;
    case kTypeWide1002:
    case kTypeWide1004: return Shape::Wide;
    case PROP_PICTURE:
    case PROP_ICON:
    case PROP_MOUSE_POINTER:
    case PROP_SOUND:
    case kTypeBlock1023:
    case kTypeBlock1024: return Shape::Block;
    case PROP_FONT: return Shape::Font;
    default: return Shape::Text;
    }
}

uint64_t Address(const void* block) { return uint64_t(reinterpret_cast<uintptr_t>(block)); }

const uint8_t* Pointer(uint64_t value) { return reinterpret_cast<const uint8_t*>(uintptr_t(value)); }

// A new NUL-terminated copy of the bytes up to the first NUL; 0 for an empty text.
uint64_t TextValue(const void* data, size_t size)
{
    const char* text = static_cast<const char*>(data);
    return Address(NewText(text, text != nullptr ? ptrdiff_t(strnlen(text, size)) : 0));
}

int32_t Field(const std::vector<uint8_t>& font, size_t offset) { return ReadWord(font.data(), offset); }

void SetField(std::vector<uint8_t>& font, size_t offset, int32_t value)
{
    WriteWord(font.data(), offset, value);
}

int32_t PointsFromHeight(int32_t height)
{
    return int32_t(std::lround(std::abs(double(height)) * 72.0 / 96.0));
}

// Beyond about 1.6e9 points the height leaves the 32-bit field: it is clamped there, where
// narrowing first would wrap and negating INT32_MIN would overflow.
int32_t HeightFromPoints(int32_t points)
{
    const long long height = -std::llround(double(points) * 96.0 / 72.0);
    return int32_t(std::clamp<long long>(height, INT32_MIN, INT32_MAX));
}

void SetFaceName(std::vector<uint8_t>& font, const char* name)
{
    const size_t length = name != nullptr ? std::strlen(name) : 0;
    const bool fits = length > 0 && length < kFaceNameSize;
    std::memset(font.data() + kFaceName, 0, kFaceNameSize);
    std::memcpy(font.data() + kFaceName, fits ? name : kDefaultFaceName,
                fits ? length : std::strlen(kDefaultFaceName));
}

void SetPart(std::vector<uint8_t>& font, int32_t part, int32_t value)
{
    switch (part) {
    case 0:
        SetField(font, kEscapement, value);
        SetField(font, kOrientation, value);
        break;
    case 1: SetField(font, kWeight, value != 0 ? kWeightBold : kWeightNormal); break;
    case 2: font[kItalic] = value != 0; break;
    case 3: font[kUnderline] = value != 0; break;
    case 4: font[kStrikeOut] = value != 0; break;
    case 5: SetField(font, kHeight, HeightFromPoints(value)); break;
    default: break;
    }
}

}  // namespace

uint64_t ConvertRead(uint16_t type, const PropertyValue& answer)
{
    switch (ShapeOf(type)) {
    case Shape::Word:
    case Shape::Choice: return answer.low;
    case Shape::Boolean: return answer.low == 1 ? 1 : 0;
    case Shape::Wide: return answer.low | uint64_t(answer.high) << 32;
    case Shape::Block: return Address(NewByteSet(answer.data, answer.size));
    case Shape::Font:  // fonts are read by part through ReadFontPart
        return 0;
    case Shape::Text: return TextValue(answer.data, answer.size);
    }
    return 0;
}

PropertyValue ConvertWrite(uint16_t type, uint64_t value, std::vector<uint8_t>& storage)
{
    PropertyValue prepared;
    const uint32_t low = uint32_t(value);
    switch (ShapeOf(type)) {
    case Shape::Word: prepared.low = low; break;
    case Shape::Choice: prepared.low = int32_t(low) < 0 ? 0 : low; break;
    case Shape::Boolean: prepared.low = low != 0 ? 1 : 0; break;
    case Shape::Wide:
        prepared.low = low;
        prepared.high = uint32_t(value >> 32);
        break;
    case Shape::Block:
        if (const uint8_t* block = Pointer(value)) {
            const std::span<const uint8_t> bytes = ByteSetContents(block);
            prepared.data = bytes.data();
            prepared.size = uint32_t(bytes.size());
        }
        break;
    case Shape::Font:
        // The caller merges fonts with WriteFontPart and hands over the LOGFONT bytes.
        prepared.data = storage.data();
        prepared.size = uint32_t(storage.size());
        break;
    case Shape::Text:
        if (const char* text = reinterpret_cast<const char*>(Pointer(value))) {
            prepared.data = text;
            prepared.size = uint32_t(std::strlen(text));
        } else {
            storage.assign(1, 0);
            prepared.data = storage.data();
        }
        break;
    }
    return prepared;
}

std::vector<uint8_t> LogFontOrDefault(const PropertyValue& answer, const std::vector<uint8_t>& default_font)
{
    if (answer.data != nullptr && answer.size == kLogFontSize) {
        const auto* bytes = static_cast<const uint8_t*>(answer.data);
        return {bytes, bytes + kLogFontSize};
    }
    return default_font;
}

uint64_t ReadFontPart(const std::vector<uint8_t>& font, int32_t part)
{
    if (font.size() != kLogFontSize)
        return 0;
    // clang-format off
    const int32_t values[6] = {
        Field(font, kEscapement),        Field(font, kWeight) >= kWeightBold ? 1 : 0,
        font[kItalic] != 0 ? 1 : 0,      font[kUnderline] != 0 ? 1 : 0,
        font[kStrikeOut] != 0 ? 1 : 0,   PointsFromHeight(Field(font, kHeight)),
    };
    // clang-format on
    if (part >= 0 && part < kFontPartFaceName)
        return uint32_t(values[part]);
    if (part != kWholeValue && part != kFontPartFaceName)
        return 0;
    const uint64_t face = TextValue(font.data() + kFaceName, kFaceNameSize);
    if (part == kFontPartFaceName)
        return face;
    auto* record = static_cast<FontRecord*>(AllocateBlock(sizeof(FontRecord)));
    *record = {values[0],
               values[1],
               values[2],
               values[3],
               values[4],
               values[5],
               reinterpret_cast<char*>(uintptr_t(face))};
    return Address(record);
}

void WriteFontPart(std::vector<uint8_t>& font, int32_t part, uint64_t value)
{
    if (font.size() != kLogFontSize)
        return;
    if (part == kFontPartFaceName) {
        SetFaceName(font, reinterpret_cast<const char*>(Pointer(value)));
        return;
    }
    if (part >= 0 && part < kFontPartFaceName) {
        SetPart(font, part, int32_t(uint32_t(value)));
        return;
    }
    const auto* record = reinterpret_cast<const FontRecord*>(Pointer(value));
    if (part != kWholeValue || record == nullptr)
        return;
    const int32_t values[6] = {record->angle,     record->bold,       record->italic,
                               record->underline, record->strike_out, record->size};
    for (int32_t i = 0; i < kFontPartFaceName; ++i)
        SetPart(font, i, values[i]);
    SetFaceName(font, record->face_name);
}
