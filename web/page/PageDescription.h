#pragma once
// What the page's script needs to build one unit's element, as JSON (texts as UTF-8): the
// unit's ids, place and state from its creation arguments and the properties its kind shows.
// The window's own layout (parents, stacking, accessible names, groups) is described apart.
#include <string>

#include "forms/KindInterface.h"
#include "forms/props/ButtonProps.h"
#include "forms/props/EditBoxProps.h"
#include "forms/props/LabelProps.h"
#include "forms/props/PicBoxProps.h"
#include "forms/props/ShapeBoxProps.h"
#include "forms/props/WindowProps.h"

std::string DescribeUnit(const CreateArgs& args, const WindowProps& props);
std::string DescribeUnit(const CreateArgs& args, const EditBoxProps& props);
std::string DescribeUnit(const CreateArgs& args, const LabelProps& props);
std::string DescribeUnit(const CreateArgs& args, const ButtonProps& props);
std::string DescribeUnit(const CreateArgs& args, const ShapeBoxProps& props);
// The painted kinds carry their display list ("paint", PagePainting.h); a label's and a picture
// box's picture bytes are described by their address in the module's memory, and the script
// copies them out at once.
std::string DescribeUnit(const CreateArgs& args, const PicBoxProps& props);

// Writes JSON with commas and escapes in place.
class Json {
public:
    void Key(const char* key);
    void Number(int64_t value);
    void Text(const std::string& utf8);
    // JSON written elsewhere, as a value.
    void Raw(const std::string& json);
    void Open(char bracket);
    void Close(char bracket);
    const std::string& Result() const { return m_text; }

    void Field(const char* key, int64_t value) { Key(key); Number(value); }
    void Field(const char* key, const char* utf8) { Key(key); Text(utf8); }
    // A GBK text as stored, written as UTF-8.
    void GbkField(const char* key, const std::string& gbk);

private:
    void Separate();
    std::string m_text;
    bool m_fresh = true;
};
