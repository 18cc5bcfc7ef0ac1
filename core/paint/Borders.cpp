#include "core/paint/Borders.h"

#include "core/paint/Colours.h"
#include "core/props/PropertySet.h"

namespace paint {

namespace {

// One 1-pixel ring: the top and left lines in `top_left`, the bottom and right ones in
// `bottom_right`, which also takes the top-right and bottom-left corners as Windows does.
Rect Ring(DisplayList& list, const Rect& r, Argb top_left, Argb bottom_right)
{
    if (r.Empty())
        return r;
    list.push_back(FillOp{{r.x, r.y, r.w - 1, 1}, top_left});
    list.push_back(FillOp{{r.x, r.y, 1, r.h - 1}, top_left});
    list.push_back(FillOp{{r.x, r.y + r.h - 1, r.w, 1}, bottom_right});
    list.push_back(FillOp{{r.x + r.w - 1, r.y, 1, r.h}, bottom_right});
    return r.Shrunk(1);
}

Rect Sunken(DisplayList& list, Rect r)
{
    r = Ring(list, r, kShadowArgb, kHighlightArgb);
    return Ring(list, r, kDarkShadowArgb, kLightArgb);
}

Rect DialogFrame(DisplayList& list, Rect r)
{
    r = Ring(list, r, kLightArgb, kDarkShadowArgb);
    r = Ring(list, r, kHighlightArgb, kShadowArgb);
    return Ring(list, r, kButtonFaceArgb, kButtonFaceArgb);
}

}  // namespace

int32_t BorderWidth(int32_t style)
{
    switch (BorderStyle(style)) {
    case BorderStyle::SunkenClient: return 2;
    case BorderStyle::RaisedDialog: return 3;
    case BorderStyle::ThinStatic: return 1;
    case BorderStyle::ClientInDialog: return 5;
    case BorderStyle::SingleLine: return 1;
    default: return 0;
    }
}

Rect AddBorder(DisplayList& list, const Rect& outer, int32_t style)
{
    switch (BorderStyle(style)) {
    case BorderStyle::SunkenClient: return Sunken(list, outer);
    case BorderStyle::RaisedDialog: return DialogFrame(list, outer);
    case BorderStyle::ThinStatic: return Ring(list, outer, kShadowArgb, kHighlightArgb);
    case BorderStyle::ClientInDialog: return Sunken(list, DialogFrame(list, outer));
    case BorderStyle::SingleLine: return Ring(list, outer, kWindowFrameArgb, kWindowFrameArgb);
    default: return outer;
    }
}

}  // namespace paint
