#pragma once
// What the six kinds' property sets share: the answer of a set, the colour that stands for the
// button face, and the byte-level shapes of fonts and pictures.
//
// Every kind offers the same four functions on its plain property struct, derived from its
// property table (PropertyTable.h):
//   std::optional<P> ReadProps<P>(data)      empty data = every default; damaged data or a
//                                            version above the kind's maximum = nullopt
//   std::vector<uint8_t> WriteProps(p)       the exact inverse, at the version p was read with
//   bool GetOwnProperty(p, own, &value)      false for a number the kind does not have
//   SetOutcome SetOwnProperty(p, own, value) stores the value with the kind's clamps
// Values travel in the PropertyValue record of core/KindInterface.h: integers, booleans, choices
// and colours in `low`; texts (GBK, no NUL needed), pictures and fonts as program/data/size. A get
// hands out pointers into the struct, valid until the struct changes.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/KindInterface.h"

// In a colour of declared type 1017 this value means the system button-face colour; in the
// label's gradient colours it means "colour left out" and in the shape's fill "no fill".
constexpr uint32_t kButtonFaceColour = 0xFF000000;

// A stored font is empty (the default GUI font) or a Windows LOGFONT of exactly this size.
constexpr uint32_t kLogFontSize = 60;

// Border styles shared by EditBox (up to SingleLine), PicBox (the same) and Label, which adds
// a gradient border it paints itself.
// clang-format off
enum class BorderStyle : int32_t {
    None, SunkenClient, RaisedDialog, ThinStatic, ClientInDialog, SingleLine, Gradient
};
// clang-format on
// How a picture fills its area: at its own size from the top-left corner, stretched to the
// area, or scaled down to fit and centred.
enum class PictureMode : int32_t { TopLeft, Stretched, FittedCentred, Last = FittedCentred };
enum class HorizontalAlignment : int32_t { Left, Centre, Right };
enum class VerticalAlignment : int32_t { Top, Centre, Bottom };

struct SetOutcome {
    bool valid = false;    // the kind has this own property
    bool changed = false;  // the stored value differs from before
    bool rebuild = false;  // the change needs the control rebuilt (EditBox window styles)
};
