#pragma once
// Where the triangle diagram puts its parts, in the coordinates of the 208 x 56 picture box
// that shows it stretched (display mode 1). The picture itself is 195 x 113 pixels, about
// half as wide again as it is shown tall, so the drawing tool draws every part pre-stretched:
// what the box shows is then what these coordinates say. The drawing tool and the test that
// reads the labels back both use this.
namespace diagram {

inline constexpr int kPictureWidth = 195;
inline constexpr int kPictureHeight = 113;
inline constexpr int kShownWidth = 208;
inline constexpr int kShownHeight = 56;

struct Point {
    int x;
    int y;
};

// The acute angle bottom left, the right angle bottom right, the top of the vertical side.
inline constexpr Point kAcute{30, 40};
inline constexpr Point kRight{148, 40};
inline constexpr Point kTop{148, 4};

// Each label's top left corner; the words are drawn in the window's 12-pixel font.
struct Label {
    const char* text;  // UTF-8
    Point at;
};
inline constexpr Label kLabels[] = {
    {"角", {6, 30}},
    {"邻边", {77, 42}},
    {"对边", {153, 16}},
    {"斜边", {60, 10}},
};

}  // namespace diagram
