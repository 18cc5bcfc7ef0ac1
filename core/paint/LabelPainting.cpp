#include "core/paint/LabelPainting.h"

#include "core/paint/Borders.h"
#include "core/paint/Colours.h"
#include "core/paint/PicturePlacement.h"
#include "core/paint/TextLayout.h"
#include "values/Gbk.h"

namespace paint {

void AddGradient(DisplayList& list, const Rect& area, int32_t mode, std::span<const Argb> colours)
{
    if (mode <= kGradientNone || mode > kGradientLastMode || colours.empty() || area.Empty())
        return;
    const int64_t w = area.w, h = area.h;
    const int32_t direction = (mode - 1) % 4;
    const bool reversed = mode > 4;
    const int64_t den = direction == 0 ? w - 1 : direction == 1 ? h - 1 : (w - 1) + (h - 1);
    std::vector<Argb> ramp(size_t(den + 1));
    for (int64_t num = 0; num <= den; ++num)
        ramp[size_t(num)] = ColourAt(colours, reversed ? den - num : num, den);
    list.push_back(RampOp{area, direction, std::move(ramp)});
}

void AddGradientFrame(DisplayList& list, const Rect& rect, int32_t width, std::span<const Argb> colours)
{
    if (colours.size() < 2)
        return;
    Rect ring = rect;
    for (int32_t i = 0; i < width && !ring.Empty(); ++i) {
        const Argb colour = ColourAt(colours, i, width - 1);
        list.push_back(FillOp{{ring.x, ring.y, ring.w, 1}, colour});
        list.push_back(FillOp{{ring.x, ring.y + ring.h - 1, ring.w, 1}, colour});
        list.push_back(FillOp{{ring.x, ring.y, 1, ring.h}, colour});
        list.push_back(FillOp{{ring.x + ring.w - 1, ring.y, 1, ring.h}, colour});
        ring = ring.Shrunk(1);
    }
}

DisplayList PaintLabel(const LabelProps& props, Size size, Size picture, const TextMeasure& measure)
{
    DisplayList list;
    const Rect client = AddBorder(list, {0, 0, size.w, size.h}, props.border);
    if (client.Empty())
        return list;
    list.push_back(ClipOp{client});
    list.push_back(FillOp{client, ArgbFromWin(props.background)});

    Rect area = client;
    if (props.border == int32_t(BorderStyle::Gradient) && props.gradient_border_width > 0) {
        AddGradientFrame(list, client, props.gradient_border_width, PresentColours(props.gradient_border));
        area = client.Shrunk(props.gradient_border_width);
    }

    if (!area.Empty()) {
        const std::vector<Argb> gradient = PresentColours(props.gradient_background);
        if (props.gradient_mode != kGradientNone && !gradient.empty())
            AddGradient(list, area, props.gradient_mode, gradient);
        else
            AddPicture(list, picture, props.picture_mode, area);
    }

    const std::string caption = GbkToUtf8(props.caption);
    if (!caption.empty()) {
        const TextFont font = TextFontFromLogFont(props.font);
        const std::vector<PlacedLine> lines = LayoutLabelText(caption, font, area, props.horizontal_alignment,
                                                              props.vertical_alignment, props.word_wrap != 0,
                                                              measure);
        auto draw = [&](int32_t offset, Argb colour) {
            for (const PlacedLine& line : lines)
                if (!line.text.empty())
                    list.push_back(TextOp{line.x + offset, line.baseline + offset, line.text, font, colour});
        };
        const Argb text = ArgbFromWin(props.text_colour);
        switch (TextEffect(props.text_effect)) {
        case TextEffect::WhiteBehind:
            draw(1, kWhiteArgb);
            draw(0, text);
            break;
        case TextEffect::WhiteInPlace:
            draw(0, kWhiteArgb);
            draw(1, text);
            break;
        case TextEffect::BlackShadow:
            draw(2, kBlackArgb);
            draw(0, text);
            break;
        default: draw(0, text); break;
        }
    }
    list.push_back(UnclipOp{});
    return list;
}

}  // namespace paint
