#pragma once
// What a painted unit draws, as a list of operations a face replays in order with its own
// painter: the Qt window with QPainter, the page with a canvas. The rules that decide the list
// live beside this file and see no face; a replayer decides nothing, it only draws.
//   Colours are 0xAARRGGBB and opaque. Rectangles are pixel cells: {x, y, w, h} covers columns
//   x .. x + w - 1 and rows y .. y + h - 1.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace paint {

using Argb = uint32_t;

struct Rect {
    int32_t x = 0, y = 0, w = 0, h = 0;
    bool Empty() const { return w <= 0 || h <= 0; }
    Rect Shrunk(int32_t by) const { return {x + by, y + by, w - 2 * by, h - 2 * by}; }
    bool operator==(const Rect&) const = default;
};

struct Size {
    int32_t w = 0, h = 0;
    bool Empty() const { return w <= 0 || h <= 0; }
    bool operator==(const Size&) const = default;
};

// A text's font as its unit stores it; each face finds the glyphs (a face not installed falls
// back to the window's pinned family).
struct TextFont {
    int32_t pixels = 12;
    int32_t weight = 400;
    bool italic = false;
    bool underline = false;
    bool strike_out = false;
    std::string face;  // UTF-8, empty for the pinned family
    bool operator==(const TextFont&) const = default;
};

// The outline a filled or stroked figure follows; rounded corners are ellipses of radii rx, ry.
enum class Outline : uint8_t { Rectangle, Ellipse, Rounded };
// 1-pixel dash patterns, in pixels on and off: dash 18 6, dot 3 3, dash-dot 9 6 3 6,
// dash-dot-dot 9 3 3 3 3 3; the gaps are left as they were.
enum class Dash : uint8_t { Solid, Dash, Dot, DashDot, DashDotDot };

struct FillOp {  // a rectangle of one colour
    Rect rect;
    Argb colour;
};
struct FigureOp {  // an outline filled, no pen: the figure covers the cells of `rect`
    Outline outline;
    Rect rect;
    double rx, ry;
    Argb colour;
};
struct RingOp {  // the figure of `outer` less the figure of `inner` (none when inner is empty)
    Outline outline;
    Rect outer;
    double rx, ry;
    Rect inner;
    double inner_rx, inner_ry;
    Argb colour;
};
struct StrokeOp {  // a 1-pixel pen along the outermost cells of `rect`, the inside filled first
    Outline outline;
    Rect rect;
    double rx, ry;
    Argb pen;
    Dash dash;
    bool filled;
    Argb fill;
};
struct LineOp {  // a 1-pixel dashed line along the cells of `rect` (one of w and h is 1)
    Rect rect;
    Argb colour;
    Dash dash;
};
// Colours that run along a direction: pixel (x, y) of `rect`, counted from its corner, takes
// ramp[x], ramp[y], ramp[x + y] or ramp[x + h - 1 - y] for directions 0-3 (left to right, top to
// bottom, the two diagonals).
struct RampOp {
    Rect rect;
    int32_t direction;
    std::vector<Argb> ramp;
};
struct PictureOp {  // the unit's decoded picture scaled unsmoothed onto `target`, inside `clip`
    Rect clip;
    Rect target;
};
struct TextOp {  // one line of text starting at (x, baseline), transparent behind
    int32_t x, baseline;
    std::string text;  // UTF-8
    TextFont font;
    Argb colour;
};
struct ClipOp {  // what follows, up to the matching UnclipOp, shows only inside `rect`
    Rect rect;
};
struct UnclipOp {};

using PaintOp =
    std::variant<FillOp, FigureOp, RingOp, StrokeOp, LineOp, RampOp, PictureOp, TextOp, ClipOp, UnclipOp>;
using DisplayList = std::vector<PaintOp>;

// How a face measures text in a font: the advance of `utf8` in whole pixels. The rules that
// wrap, squeeze and align text ask it, so the line breaking is written once.
class TextMeasure {
public:
    virtual int32_t Advance(const std::string& utf8, const TextFont& font) const = 0;

protected:
    ~TextMeasure() = default;
};

}  // namespace paint
