#include "web/page/PageDescription.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "forms/props/LogFont.h"
#include "web/page/PagePainting.h"
#include "values/Gbk.h"

void Json::Key(const char* key)
{
    Separate();
    m_text += '"';
    m_text += key;
    m_text += "\":";
    m_fresh = true;
}

void Json::Number(int64_t value)
{
    Separate();
    m_text += std::to_string(value);
}

void Json::Text(const std::string& utf8)
{
    Separate();
    m_text += '"';
    for (const char c : utf8) {
        if (c == '"' || c == '\\') {
            m_text += '\\';
            m_text += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
            m_text += escape;
        } else {
            m_text += c;
        }
    }
    m_text += '"';
}

void Json::Raw(const std::string& json)
{
    Separate();
    m_text += json;
}

void Json::Open(char bracket)
{
    Separate();
    m_text += bracket;
    m_fresh = true;
}

void Json::Close(char bracket)
{
    m_text += bracket;
    m_fresh = false;
}

void Json::GbkField(const char* key, const std::string& gbk)
{
    Key(key);
    Text(GbkToUtf8(gbk));
}

void Json::Separate()
{
    if (!m_fresh)
        m_text += ',';
    m_fresh = false;
}

namespace {

// The fields every unit has, opening its object; the caller adds its kind's and closes it.
Json Open(const CreateArgs& args, const char* kind)
{
    Json json;
    json.Open('{');
    json.Field("id", args.unit_id);
    json.Field("kind", kind);
    json.Field("left", args.left);
    json.Field("top", args.top);
    json.Field("width", args.width);
    json.Field("height", args.height);
    json.Field("disabled", (args.style & kStyleDisabled) != 0);
    json.Field("tabStop", (args.style & kStyleTabStop) != 0);
    return json;
}

std::string Close(Json& json)
{
    json.Close('}');
    return json.Result();
}

// A stored font as its pixel height (0 = the window's), weight and face.
void FontFields(Json& json, const std::vector<uint8_t>& font)
{
    if (font.size() < logfont::kFaceName + logfont::kFaceNameSize)
        return;
    json.Field("fontHeight", logfont::ReadWord(font.data(), logfont::kHeight));
    json.Field("fontWeight", logfont::ReadWord(font.data(), logfont::kWeight));
    const char* face = reinterpret_cast<const char*>(font.data() + logfont::kFaceName);
    json.GbkField("fontFace", std::string(face, strnlen(face, logfont::kFaceNameSize)));
}

// A three-colour property as stored; 0xFF000000 leaves a colour out.
void ColoursField(Json& json, const char* key, const uint32_t (&colours)[3])
{
    json.Key(key);
    json.Open('[');
    for (const uint32_t colour : colours)
        json.Number(colour);
    json.Close(']');
}

// A picture's bytes by their address in the module's memory; the script copies them out at once.
void PictureFields(Json& json, const std::vector<uint8_t>& picture)
{
    json.Field("picture", int64_t(uintptr_t(picture.data())));
    json.Field("pictureSize", int64_t(picture.size()));
}

}  // namespace

std::string DescribeUnit(const CreateArgs& args, const WindowProps& props)
{
    Json json = Open(args, "window");
    // The window's geometry is its outer rectangle; the page shows its client area.
    json.Field("clientWidth", std::max(0, args.width - kClassicFrame.left - kClassicFrame.right));
    json.Field("clientHeight", std::max(0, args.height - kClassicFrame.top - kClassicFrame.bottom));
    json.GbkField("text", props.caption);
    json.Field("background", props.background);
    return Close(json);
}

std::string DescribeUnit(const CreateArgs& args, const EditBoxProps& props)
{
    Json json = Open(args, "edit");
    json.GbkField("text", props.content);
    json.Field("border", props.border);
    json.Field("textColour", props.text_colour);
    json.Field("background", props.background);
    json.Field("readOnly", props.input_mode == int32_t(InputMode::ReadOnly));
    json.Field("password", props.input_mode == int32_t(InputMode::Password));
    json.Field("multiLine", props.multi_line);
    json.Field("alignment", props.alignment);
    json.Field("maxLength", props.max_length);
    FontFields(json, props.font);
    return Close(json);
}

std::string DescribeUnit(const CreateArgs& args, const LabelProps& props)
{
    Json json = Open(args, "label");
    json.GbkField("text", props.caption);
    json.Field("border", props.border);
    json.Field("textColour", props.text_colour);
    json.Field("background", props.background);
    json.Field("alignment", props.horizontal_alignment);
    json.Field("verticalAlignment", props.vertical_alignment);
    json.Field("wordWrap", props.word_wrap);
    json.Field("textEffect", props.text_effect);
    json.Field("gradientBorderWidth", props.gradient_border_width);
    ColoursField(json, "gradientBorder", props.gradient_border);
    json.Field("gradientMode", props.gradient_mode);
    ColoursField(json, "gradientBackground", props.gradient_background);
    FontFields(json, props.font);
    PictureFields(json, props.picture);
    json.Key("paint");
    json.Raw(PaintJson(args, props));
    return Close(json);
}

std::string DescribeUnit(const CreateArgs& args, const ButtonProps& props)
{
    Json json = Open(args, "button");
    json.GbkField("text", props.caption);
    json.Field("defaultButton", props.default_button);
    FontFields(json, props.font);
    return Close(json);
}

std::string DescribeUnit(const CreateArgs& args, const ShapeBoxProps& props)
{
    Json json = Open(args, "shape");
    json.Field("shape", props.shape);
    json.Field("effect3d", props.effect_3d);
    json.Field("lineStyle", props.line_style);
    json.Field("lineWidth", props.line_width);
    json.Field("lineColour", props.line_colour);
    json.Field("fillColour", props.fill_colour);
    json.Field("background", props.background);
    json.Key("paint");
    json.Raw(PaintJson(args, props));
    return Close(json);
}

std::string DescribeUnit(const CreateArgs& args, const PicBoxProps& props)
{
    Json json = Open(args, "picture");
    json.Field("border", props.border);
    json.Field("background", props.background);
    json.Field("displayMode", props.display_mode);
    PictureFields(json, props.picture);
    json.Key("paint");
    json.Raw(PaintJson(args, props));
    return Close(json);
}
