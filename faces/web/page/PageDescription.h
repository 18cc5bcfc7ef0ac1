#pragma once
// What the page's script needs to build one unit's element, as JSON (texts as UTF-8): the
// unit's ids, place and state from its creation arguments, the element that shows its kind,
// and every own property under its name in the kind's table (PropertyTable.h):
//   numbers, choices, booleans, colours    "border":1      an array field: "gradientBorder":[..]
//   texts                                  "text":"标签"
//   fonts                                  "fontHeight", "fontWeight", "fontFace" when stored
//   pictures, icons, sounds                "picture": address in the module's memory,
//                                          "pictureSize": bytes; the script copies them at once
// and what a kind's element needs worked out from them (the window's client size, an edit
// box's read-only and password states). The window's own layout (parents, stacking,
// accessible names, groups) is described apart.
#include <span>
#include <string>
#include <vector>

#include "core/KindInterface.h"
#include "core/props/KindProps.h"

// Writes JSON with commas and escapes in place.
class Json {
public:
    void Key(const char* key);
    void Number(int64_t value);
    void Text(const std::string& utf8);
    // Text that is JSON already, such as a display list.
    void Raw(const std::string& json);
    void Open(char bracket);
    void Close(char bracket);
    const std::string& Result() const { return m_text; }

    void Field(const char* key, int64_t value)
    {
        Key(key);
        Number(value);
    }
    void Field(const char* key, const char* utf8)
    {
        Key(key);
        Text(utf8);
    }
    // A GBK text as stored, written as UTF-8.
    void GbkField(const char* key, const std::string& gbk);

private:
    void Separate();
    std::string m_text;
    bool m_fresh = true;
};

// The parts DescribeUnit is made of.
Json OpenUnit(const CreateArgs& args, const char* element);
// One property row: its fields, one per element of an array field.
void DescribeProperty(Json& json, const char* name, std::span<const FieldRef> fields);
void DescribeElement(Json& json, const CreateArgs& args, const WindowProps& props);
void DescribeElement(Json& json, const CreateArgs& args, const EditBoxProps& props);
// The painted kinds carry their display list ("paint", PagePainting.h).
void DescribeElement(Json& json, const CreateArgs& args, const LabelProps& props);
void DescribeElement(Json& json, const CreateArgs& args, const ShapeBoxProps& props);
void DescribeElement(Json& json, const CreateArgs& args, const PicBoxProps& props);
// The other kinds' elements need nothing worked out.
template <class P>
void DescribeElement(Json&, const CreateArgs&, const P&)
{
}

template <PropertySetKind P>
std::string DescribeUnit(const CreateArgs& args, const P& props, const char* element)
{
    Json json = OpenUnit(args, element);
    std::vector<FieldRef> fields;
    for (const auto& row : KindTable<P>::kRows) {
        if (row.own == kNotAProperty || row.storage == Storage::None)
            continue;
        fields.clear();
        for (int32_t e = 0; e < row.count; ++e)
            fields.push_back(FieldOf(row, const_cast<P&>(props), e));  // only read
        DescribeProperty(json, row.name, fields);
    }
    DescribeElement(json, args, props);
    json.Close('}');
    return json.Result();
}
