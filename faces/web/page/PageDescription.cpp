#include "faces/web/page/PageDescription.h"

#include <algorithm>
#include <cstring>

#include "core/paint/DisplayListJson.h"
#include "core/props/LogFont.h"
#include "faces/web/page/PagePainting.h"
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
    paint::AppendJsonString(m_text, utf8);
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

// A stored font as its pixel height (0 = the window's), weight and face, under the row's name.
void FontFields(Json& json, const std::string& name, const std::vector<uint8_t>& font)
{
    if (font.size() < logfont::kFaceName + logfont::kFaceNameSize)
        return;
    json.Field((name + "Height").c_str(), logfont::ReadWord(font.data(), logfont::kHeight));
    json.Field((name + "Weight").c_str(), logfont::ReadWord(font.data(), logfont::kWeight));
    const char* face = reinterpret_cast<const char*>(font.data() + logfont::kFaceName);
    json.GbkField((name + "Face").c_str(), std::string(face, strnlen(face, logfont::kFaceNameSize)));
}

// A word field as JSON gives it: choices and integers signed, colours as stored.
int64_t WordOf(const FieldRef& field)
{
    return field.kind == FieldKind::Colour ? int64_t(*field.colour) : int64_t(*field.integer);
}

}  // namespace

Json OpenUnit(const CreateArgs& args, const char* element)
{
    Json json;
    json.Open('{');
    json.Field("id", args.unit_id);
    json.Field("kind", element);
    json.Field("left", args.left);
    json.Field("top", args.top);
    json.Field("width", args.width);
    json.Field("height", args.height);
    json.Field("disabled", (args.style & kStyleDisabled) != 0);
    json.Field("tabStop", (args.style & kStyleTabStop) != 0);
    return json;
}

void DescribeProperty(Json& json, const char* name, std::span<const FieldRef> fields)
{
    if (fields.empty())
        return;
    const FieldRef& first = fields.front();
    switch (first.kind) {
    case FieldKind::Integer:
    case FieldKind::Choice:
    case FieldKind::Boolean:
    case FieldKind::Colour:
        if (fields.size() == 1) {
            json.Field(name, WordOf(first));
            return;
        }
        json.Key(name);
        json.Open('[');
        for (const FieldRef& field : fields)
            json.Number(WordOf(field));
        json.Close(']');
        return;
    case FieldKind::Text: json.GbkField(name, *first.text); return;
    case FieldKind::PasswordChar: {
        PropertyValue value;
        GetField(first, &value);
        json.GbkField(name, std::string(static_cast<const char*>(value.data), value.size));
        return;
    }
    case FieldKind::Font: FontFields(json, name, *first.block); return;
    case FieldKind::Block:
        json.Field(name, int64_t(uintptr_t(first.block->data())));
        json.Field((std::string(name) + "Size").c_str(), int64_t(first.block->size()));
        return;
    case FieldKind::LiveOnly:
    case FieldKind::None: return;
    }
}

void DescribeElement(Json& json, const CreateArgs& args, const WindowProps&)
{
    // The window's geometry is its outer rectangle; the page shows its client area.
    json.Field("clientWidth", std::max(0, args.width - kClassicFrame.left - kClassicFrame.right));
    json.Field("clientHeight", std::max(0, args.height - kClassicFrame.top - kClassicFrame.bottom));
}

void DescribeElement(Json& json, const CreateArgs&, const EditBoxProps& props)
{
    json.Field("readOnly", props.input_mode == int32_t(InputMode::ReadOnly));
    json.Field("password", props.input_mode == int32_t(InputMode::Password));
}

void DescribeElement(Json& json, const CreateArgs& args, const LabelProps& props)
{
    json.Key("paint");
    json.Raw(PaintJson(args, props));
}

void DescribeElement(Json& json, const CreateArgs& args, const ShapeBoxProps& props)
{
    json.Key("paint");
    json.Raw(PaintJson(args, props));
}

void DescribeElement(Json& json, const CreateArgs& args, const PicBoxProps& props)
{
    json.Key("paint");
    json.Raw(PaintJson(args, props));
}
