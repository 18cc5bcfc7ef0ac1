#include "faces/web/page/PagePainting.h"

#include <emscripten/emscripten.h>

#include "core/paint/DisplayListJson.h"
#include "core/paint/LabelPainting.h"
#include "core/paint/PicturePlacement.h"
#include "core/paint/ShapePainting.h"
#include "core/props/LogFont.h"
#include "values/Gbk.h"

namespace {

// clang-format off
EM_JS(int, PageMeasureText, (const char* utf8, int pixels, int weight, int styles), {
    return Painting.Measure(UTF8ToString(utf8), pixels, weight, styles);
});
// clang-format on

class CanvasMeasure final : public paint::TextMeasure {
public:
    int32_t Advance(const std::string& utf8, const paint::TextFont& font) const override
    {
        const int styles = font.italic + 2 * font.underline + 4 * font.strike_out;
        return PageMeasureText(utf8.c_str(), font.pixels, font.weight, styles);
    }
};

paint::Size SizeOf(const CreateArgs& args) { return {args.width, args.height}; }

}  // namespace

std::string PaintJson(const CreateArgs& args, const LabelProps& props)
{
    const paint::Size picture = paint::PictureFileSize(props.picture);
    return paint::DisplayListJson(paint::PaintLabel(props, SizeOf(args), picture, CanvasMeasure()));
}

std::string PaintJson(const CreateArgs& args, const ShapeBoxProps& props)
{
    return paint::DisplayListJson(paint::PaintShapeBox(props, SizeOf(args)));
}

std::string PaintJson(const CreateArgs& args, const PicBoxProps& props)
{
    const paint::Size picture = paint::PictureFileSize(props.picture);
    return paint::DisplayListJson(paint::PaintPicBox(props, SizeOf(args), picture));
}

// For the tests: the display list of a label given by numbers, for a sheet of labels set
// beside the desktop's. `fields`: width, height, border, text colour, background, horizontal
// and vertical alignment, word wrap, text effect, gradient border width and its three colours,
// gradient mode and its three colours, font height, font weight, italic.
extern "C" EMSCRIPTEN_KEEPALIVE const char* PagePaintLabel(const int32_t* fields, const char* caption_utf8,
                                                           const char* face_utf8)
{
    static std::string json;
    LabelProps props;
    CreateArgs args{};
    const int32_t* f = fields;
    args.width = *f++;
    args.height = *f++;
    props.border = *f++;
    props.text_colour = uint32_t(*f++);
    props.background = uint32_t(*f++);
    props.horizontal_alignment = *f++;
    props.vertical_alignment = *f++;
    props.word_wrap = *f++;
    props.text_effect = *f++;
    props.gradient_border_width = *f++;
    for (uint32_t& colour : props.gradient_border)
        colour = uint32_t(*f++);
    props.gradient_mode = *f++;
    for (uint32_t& colour : props.gradient_background)
        colour = uint32_t(*f++);
    const int32_t font_height = *f++, font_weight = *f++, italic = *f++;
    if (font_height || font_weight || italic || *face_utf8) {
        props.font.assign(kLogFontSize, 0);
        logfont::WriteWord(props.font.data(), logfont::kHeight, font_height);
        logfont::WriteWord(props.font.data(), logfont::kWeight, font_weight);
        props.font[logfont::kItalic] = italic != 0;
        const std::string face = Utf8ToGbk(face_utf8).substr(0, logfont::kFaceNameSize - 1);
        std::copy(face.begin(), face.end(), props.font.begin() + logfont::kFaceName);
    }
    props.caption = Utf8ToGbk(caption_utf8);
    json = PaintJson(args, props);
    return json.c_str();
}
