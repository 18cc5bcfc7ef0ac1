#pragma once
// How a label's caption is laid out in an area, measured by the face's fonts.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/paint/DisplayList.h"

namespace paint {

// A stored font (a LOGFONT of kLogFontSize bytes) as a text font: a negative height is the
// pixel height, a positive one the cell height (taken as the pixel height too), 0 the default
// 12 pixels, at most 1000; weight 0 is normal (400), at most 1000. Anything but a whole LOGFONT
// gives the pinned 12-pixel font.
TextFont TextFontFromLogFont(std::span<const uint8_t> logfont);

// Lines are set at a fixed pitch of the pixel height plus one, the baseline at the pixel
// height less one below the line's top, like the classic CJK bitmap fonts: five lines of the
// 12-pixel font take 65 pixels (ink to the last descender).
struct LineMetrics {
    int32_t pitch;
    int32_t baseline;
};
LineMetrics LineMetricsOf(const TextFont& font);

struct PlacedLine {
    std::string text;  // UTF-8
    int32_t x;         // where the line's text starts on its baseline
    int32_t baseline;
    bool operator==(const PlacedLine&) const = default;
};

// Lays the caption out in `area`. Alignments: horizontal 0 left, 1 centre, 2 right, by the
// width without trailing blanks; vertical 0 top, 1 centre, 2 bottom, single lines only. With
// wrap, CR LF / LF / CR end lines and lines wrap at word boundaries (between CJK characters
// too, never before a closing mark or after an opening one; a word wider than the line keeps
// a line of its own), the first line at the top; lines that overrun the area by a pixel or
// less each are drawn closer, the last one ending at the bottom. Without wrap, line ends are
// dropped and the text is one line.
std::vector<PlacedLine> LayoutLabelText(std::string_view utf8, const TextFont& font, const Rect& area,
                                        int32_t horizontal, int32_t vertical, bool wrap,
                                        const TextMeasure& measure);

}  // namespace paint
