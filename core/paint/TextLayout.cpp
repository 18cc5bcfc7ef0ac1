#include "core/paint/TextLayout.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "core/props/LogFont.h"
#include "core/props/PropertySet.h"
#include "values/Gbk.h"
#include "values/Utf8.h"

namespace paint {

namespace {

constexpr int32_t kMaxFontPixels = 1000;

std::u32string Decode(std::string_view utf8)
{
    std::u32string text;
    while (!utf8.empty()) {
        const size_t length = Utf8SequenceLength(utf8);
        text += length ? char32_t(Utf8CodePoint(utf8.substr(0, length))) : U'\uFFFD';
        utf8.remove_prefix(length ? length : 1);
    }
    return text;
}

std::string Encode(std::u32string_view text)
{
    std::string utf8;
    for (const char32_t c : text)
        AppendUtf8(utf8, c);
    return utf8;
}

bool IsSpace(char32_t c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
           c == 0x3000 || c == 0xFEFF;
}

// Ideographs, kana, hangul and full-width forms: a line may break before or after each.
bool IsCjk(char32_t c)
{
    // clang-format off
    static constexpr char32_t kRanges[][2] = {
        {0x1100, 0x11FF}, {0x2E80, 0x303F}, {0x3040, 0x30FF}, {0x3100, 0x31FF}, {0x3200, 0x4DBF},
        {0x4E00, 0x9FFF}, {0xA960, 0xA97F}, {0xAC00, 0xD7FF}, {0xF900, 0xFAFF}, {0xFE30, 0xFE4F},
        {0xFF00, 0xFFEF},
    };
    // clang-format on
    return std::any_of(std::begin(kRanges), std::end(kRanges),
                       [c](const auto& r) { return c >= r[0] && c <= r[1]; });
}

bool IsWord(char32_t c)
{
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9') || c == U'_';
}

// Closing marks never start a line; opening marks never end one.
constexpr std::u32string_view kNoBreakBefore =
    U"!%),.:;?]}¢°’”‰′″℃、。〉》」』】〕〗〙〛〞・ー゛゜！％），．：；？］｝～｡｣､･ｰ";
constexpr std::u32string_view kNoBreakAfter = U"$([{£¥‘“〈《「『【〔〖〘〚〝（［｛｢＄￡￥";

bool BreakBefore(std::u32string_view text, size_t i)
{
    const char32_t before = text[i - 1], at = text[i];
    if (IsSpace(at) || kNoBreakBefore.find(at) != std::u32string_view::npos ||
        kNoBreakAfter.find(before) != std::u32string_view::npos)
        return false;
    return IsSpace(before) || IsCjk(before) || IsCjk(at) ||
           (before == U'-' && i > 1 && IsWord(text[i - 2]) && IsWord(at));
}

// The width the alignment sees: trailing blanks do not count.
int32_t InkWidth(std::u32string_view line, const TextFont& font, const TextMeasure& measure)
{
    size_t end = line.size();
    while (end > 0 && IsSpace(line[end - 1]))
        --end;
    return end == 0 ? 0 : measure.Advance(Encode(line.substr(0, end)), font);
}

// Breaks one paragraph into lines no wider than `width` at word boundaries; a word wider than
// the line keeps a line of its own, and blanks stay at the end of the line they follow.
std::vector<std::u32string> WrapParagraph(std::u32string_view paragraph, int32_t width, const TextFont& font,
                                          const TextMeasure& measure)
{
    std::vector<std::u32string_view> words;
    size_t start = 0;
    for (size_t i = 1; i < paragraph.size(); ++i)
        if (BreakBefore(paragraph, i)) {
            words.push_back(paragraph.substr(start, i - start));
            start = i;
        }
    words.push_back(paragraph.substr(start));
    std::vector<std::u32string> lines;
    std::u32string line;
    for (const std::u32string_view word : words) {
        std::u32string longer = line;
        longer += word;
        if (!line.empty() && InkWidth(longer, font, measure) > width) {
            lines.push_back(std::move(line));
            line = std::u32string(word);
        } else {
            line = std::move(longer);
        }
    }
    lines.push_back(std::move(line));
    return lines;
}

// Splits at CR LF, LF or CR.
std::vector<std::u32string> Paragraphs(std::u32string_view text)
{
    std::vector<std::u32string> paragraphs(1);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == U'\r' || text[i] == U'\n') {
            if (text[i] == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n')
                ++i;
            paragraphs.emplace_back();
        } else {
            paragraphs.back() += text[i];
        }
    }
    return paragraphs;
}

int32_t AlignedLeft(const Rect& area, int32_t width, int32_t horizontal)
{
    switch (HorizontalAlignment(horizontal)) {
    case HorizontalAlignment::Centre: return area.x + (area.w - width) / 2;
    case HorizontalAlignment::Right: return area.x + area.w - width;
    default: return area.x;
    }
}

}  // namespace

TextFont TextFontFromLogFont(std::span<const uint8_t> logfont)
{
    TextFont font;
    if (logfont.size() != kLogFontSize)
        return font;
    const uint8_t* p = logfont.data();
    const int64_t height = logfont::ReadWord(p, logfont::kHeight);
    font.pixels = height == 0 ? kGuiFontPixels : int32_t(std::min<int64_t>(std::llabs(height), kMaxFontPixels));
    const int32_t weight = logfont::ReadWord(p, logfont::kWeight);
    font.weight = weight <= 0 ? logfont::kWeightNormal : std::min(weight, 1000);
    font.italic = p[logfont::kItalic] != 0;
    font.underline = p[logfont::kUnderline] != 0;
    font.strike_out = p[logfont::kStrikeOut] != 0;
    const char* face = reinterpret_cast<const char*>(p + logfont::kFaceName);
    font.face = GbkToUtf8(std::string_view(face, strnlen(face, logfont::kFaceNameSize)));
    return font;
}

LineMetrics LineMetricsOf(const TextFont& font)
{
    const int32_t pixels = std::max(font.pixels, 1);
    return {pixels + 1, pixels - 1};
}

std::vector<PlacedLine> LayoutLabelText(std::string_view utf8, const TextFont& font, const Rect& area,
                                        int32_t horizontal, int32_t vertical, bool wrap,
                                        const TextMeasure& measure)
{
    const std::u32string text = Decode(utf8);
    const LineMetrics metrics = LineMetricsOf(font);
    std::vector<PlacedLine> lines;
    if (!wrap) {
        std::u32string line = text;
        std::erase_if(line, [](char32_t c) { return c == U'\r' || c == U'\n'; });
        int32_t top = area.y;
        if (vertical == int32_t(VerticalAlignment::Centre))
            top += (area.h - metrics.pitch) / 2;
        else if (vertical == int32_t(VerticalAlignment::Bottom))
            top += area.h - metrics.pitch;
        lines.push_back({Encode(line), AlignedLeft(area, InkWidth(line, font, measure), horizontal),
                         top + metrics.baseline});
        return lines;
    }

    for (const std::u32string& paragraph : Paragraphs(text))
        for (const std::u32string& line : WrapParagraph(paragraph, std::max(area.w, 0), font, measure))
            lines.push_back({Encode(line), AlignedLeft(area, InkWidth(line, font, measure), horizontal), 0});

    // Lines that overrun the bottom by at most a pixel each are drawn that much closer, the
    // last one ending at the bottom, so that its descenders are not cut; the line height
    // never drops below the font's, so lines touch but do not overlap.
    const int64_t count = static_cast<int64_t>(lines.size());
    const int64_t pitch = metrics.pitch;
    const int64_t room = int64_t(area.h) - pitch;  // for the steps between the line tops
    const bool squeeze = count > 1 && count * pitch > area.h && room >= (count - 1) * (pitch - 1);
    for (int64_t i = 0; i < count; ++i) {
        const int64_t top = squeeze ? i * room / (count - 1) : i * pitch;
        lines[size_t(i)].baseline = int32_t(area.y + top + metrics.baseline);
    }
    return lines;
}

}  // namespace paint
