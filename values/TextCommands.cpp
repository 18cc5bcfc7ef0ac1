#include <algorithm>
#include <cstdint>
#include <cstring>

#include "values/Blocks.h"
#include "values/Commands.h"
#include "values/RuntimeError.h"
#include "values/TextBlocks.h"

namespace {

// Block sizes are 32-bit: a text that cannot have one is an allocation that cannot be made.
uint32_t TextBlockSize(int64_t length)
{
    if (length + 1 > int64_t(UINT32_MAX))
        ReportAllocationFailure(UINT32_MAX);
    return uint32_t(length + 1);
}

}  // namespace

char* NewText(const char* address, ptrdiff_t n)
{
    if (n < 1 || address == nullptr)
        return nullptr;
    auto* text = static_cast<char*>(AllocateBlock(TextBlockSize(n)));
    std::memcpy(text, address, size_t(n));
    text[n] = '\0';
    return text;
}

char* DuplicateText(const char* text)
{
    return text == nullptr ? nullptr : NewText(text, ptrdiff_t(std::strlen(text)));
}

namespace {

// Lengths and positions are 64-bit inside, so that no int argument can overflow the clamping.
struct TextArg {
    const char* text;
    int64_t length;
};

// A text argument is trusted to be non-null, but a null one still reads as the empty text.
TextArg ReadText(const TypedValue& arg)
{
    const char* text = arg.AsText() != nullptr ? arg.AsText() : EmptyText;
    return {text, int64_t(std::strlen(text))};
}

void SetText(TypedValue* result, char* text) { result->payload = uint64_t(uintptr_t(text)); }

void SetInt(TypedValue* result, int32_t value) { result->payload = uint32_t(value); }

bool IsOmitted(const TypedValue& arg) { return arg.type == TYPE_OMITTED; }

char FoldAsciiCase(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

enum class CaseRule { Exact, IgnoreAscii };

bool MatchesAt(const char* place, const TextArg& sought, CaseRule rule)
{
    if (rule == CaseRule::Exact)
        return std::memcmp(place, sought.text, size_t(sought.length)) == 0;
    for (int64_t i = 0; i < sought.length; ++i) {
        if (FoldAsciiCase(place[i]) != FoldAsciiCase(sought.text[i]))
            return false;
    }
    return true;
}

bool IsLeadByte(char c) { return static_cast<unsigned char>(c) >= 0x80; }

}  // namespace

void TextLength(TypedValue* result, int32_t, const TypedValue* args)
{
    SetInt(result, int32_t(ReadText(args[0]).length));
}

// The first n bytes; n <= 0 gives the empty result, n beyond the end the whole text.
void LeftText(TypedValue* result, int32_t, const TypedValue* args)
{
    const TextArg text = ReadText(args[0]);
    const int64_t n = args[1].AsInt();
    if (n <= 0)
        return;
    SetText(result, NewText(text.text, std::min(n, text.length)));
}

// The last n bytes, clamped like LeftText.
void RightText(TypedValue* result, int32_t, const TypedValue* args)
{
    const TextArg text = ReadText(args[0]);
    const int64_t n = args[1].AsInt();
    if (n <= 0)
        return;
    SetText(result, DuplicateText(text.text + text.length - std::min(n, text.length)));
}

// n bytes from 1-based start; a start outside the text or n <= 0 gives the empty result.
void MidText(TypedValue* result, int32_t, const TypedValue* args)
{
    const TextArg text = ReadText(args[0]);
    const int64_t pos = int64_t(args[1].AsInt()) - 1;
    int64_t n = args[2].AsInt();
    if (pos < 0 || pos >= text.length || n <= 0)
        return;
    n = std::min(n, text.length - pos);
    SetText(result, NewText(text.text + pos, n));
}

// The 1-based position of the first match that begins at a character start, or -1. The search
// steps over two-byte characters whole, so a match never begins on a second byte.
void FindText(TypedValue* result, int32_t, const TypedValue* args)
{
    const TextArg text = ReadText(args[0]);
    const TextArg sought = ReadText(args[1]);
    const int64_t offset = IsOmitted(args[2]) ? 0 : std::max<int64_t>(int64_t(args[2].AsInt()) - 1, 0);
    const CaseRule rule = args[3].Low() == 1 ? CaseRule::IgnoreAscii : CaseRule::Exact;

    int64_t place = offset;
    int64_t remaining = offset >= text.length ? 0 : text.length - offset;
    if (sought.length == 0) {
        SetInt(result, remaining > 0 ? 1 : -1);
        return;
    }
    while (remaining >= sought.length) {
        if (MatchesAt(text.text + place, sought, rule)) {
            SetInt(result, int32_t(place + 1));
            return;
        }
        if (IsLeadByte(text.text[place])) {
            if (text.text[place + 1] == '\0')
                break;
            place += 2;
            remaining -= 2;
        } else {
            place += 1;
            remaining -= 1;
        }
    }
    SetInt(result, -1);
}

// count bytes at 1-based start replaced by the optional replacement; start and count are
// clamped into the text, so a start past the end appends.
void ReplaceText(TypedValue* result, int32_t, const TypedValue* args)
{
    const TextArg text = ReadText(args[0]);
    const int64_t pos = std::clamp<int64_t>(int64_t(args[1].AsInt()) - 1, 0, text.length);
    const int64_t removed = std::clamp<int64_t>(args[2].AsInt(), 0, text.length - pos);
    const TextArg replacement = IsOmitted(args[3]) ? TextArg{EmptyText, 0} : ReadText(args[3]);

    const int64_t length = text.length - removed + replacement.length;
    if (length <= 0)
        return;
    auto* out = static_cast<char*>(AllocateBlock(TextBlockSize(length)));
    std::memcpy(out, text.text, size_t(pos));
    std::memcpy(out + pos, replacement.text, size_t(replacement.length));
    std::memcpy(out + pos + replacement.length, text.text + pos + removed, size_t(text.length - pos - removed));
    out[length] = '\0';
    SetText(result, out);
}

// The byte at the 1-based position, sign-extended; 0 outside 1..length+1 (length+1 reads the NUL).
void CharCode(TypedValue* result, int32_t, const TypedValue* args)
{
    const TextArg text = ReadText(args[0]);
    const uint32_t index = IsOmitted(args[1]) ? 0 : uint32_t(args[1].AsInt()) - 1;
    if (index > text.length)
        return;
    SetInt(result, int32_t(static_cast<signed char>(text.text[index])));
}
