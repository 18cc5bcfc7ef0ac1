// The page's side of the program: the window template read by the desktop's reader, described
// to the page's script as JSON, and the click procedures run through a service table whose
// property calls reach the page's elements.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "calc/Procedures.h"
#include "contract/ServiceTable.h"
#include "data/AccessibleTexts.h"
#include "data/MainWindowTemplate.h"
#include "data/MainWindowUnits.h"
#include "forms/KindInterface.h"
#include "forms/props/ButtonProps.h"
#include "forms/props/EditBoxProps.h"
#include "forms/props/LabelProps.h"
#include "forms/props/LogFont.h"
#include "forms/props/PicBoxProps.h"
#include "forms/props/ShapeBoxProps.h"
#include "forms/props/UnitTypes.h"
#include "forms/props/WindowProps.h"
#include "forms/template/WindowTemplate.h"
#include "values/Blocks.h"
#include "values/Commands.h"
#include "values/Gbk.h"
#include "values/RuntimeError.h"
#include "values/TextBlocks.h"

// The page's elements, named "u" and the unit id in hex. Texts cross as UTF-8.
EM_JS(char*, PageReadText, (uint32_t unit_id), {
    const element = document.getElementById("u" + (unit_id >>> 0).toString(16));
    const text = element ? element.value : "";
    const size = lengthBytesUTF8(text) + 1;
    const address = _malloc(size);
    stringToUTF8(text, address, size);
    return address;
});
EM_JS(void, PageWriteText, (uint32_t unit_id, const char* utf8), {
    const element = document.getElementById("u" + (unit_id >>> 0).toString(16));
    if (element)
        element.value = UTF8ToString(utf8);
});
EM_JS(void, PageShowTip, (uint32_t unit_id, const char* utf8), {
    const element = document.getElementById("u" + (unit_id >>> 0).toString(16));
    if (element)
        Module["showTip"](element, UTF8ToString(utf8));
});
EM_JS(void, PageSetVisible, (uint32_t unit_id, int visible), {
    const element = document.getElementById("u" + (unit_id >>> 0).toString(16));
    if (element)
        element.style.visibility = visible ? "" : "hidden";
});

namespace {

// The main window as the embedded template stores it, or null when the template does not read.
const WindowData* MainWindow()
{
    static const std::optional<WindowTemplateData> data =
        ReadWindowTemplate({MainWindowTemplate, MainWindowTemplateSize});
    if (!data)
        return nullptr;
    for (const WindowData& window : data->windows) {
        if (window.id == main_window::kWindow)
            return &window;
    }
    return nullptr;
}

uint64_t GetUnitPropertyOfPage(uint32_t, uint32_t unit_id, int32_t property, int32_t)
{
    if (property != main_window::kBoxText)
        return 0;
    char* utf8 = PageReadText(unit_id);
    const std::string gbk = Utf8ToGbk(utf8);
    std::free(utf8);
    return uint64_t(uintptr_t(NewText(gbk.data(), ptrdiff_t(gbk.size()))));
}

void SetUnitPropertyOfPage(uint32_t, uint32_t unit_id, int32_t property, int32_t, uint64_t value)
{
    if (property == kPropertyVisible) {
        PageSetVisible(unit_id, value != 0);
    } else if (property == main_window::kBoxText) {
        const char* gbk = reinterpret_cast<const char*>(uintptr_t(value));
        PageWriteText(unit_id, GbkToUtf8(gbk != nullptr ? gbk : "").c_str());
    }
}

// A note at a box, shown beside it and on hover until an input of its group changes.
void ShowUnitTipOfPage(uint32_t, uint32_t unit_id, const char* gbk)
{
    PageShowTip(unit_id, GbkToUtf8(gbk != nullptr ? gbk : "").c_str());
}

// The group a box belongs to, named by its button: Enter in the box clicks it, and a change
// to one of its inputs takes the group's notes away. 0 for a unit in no group.
uint32_t GroupButtonOf(uint32_t unit_id, bool& is_input)
{
    for (const main_window::UnitGroup& group : main_window::kGroups) {
        for (const uint32_t input : group.inputs) {
            if (input != 0 && input == unit_id)
                return is_input = true, group.button;
        }
        for (const uint32_t result : group.results) {
            if (result != 0 && result == unit_id)
                return is_input = false, group.button;
        }
    }
    return 0;
}

void RaiseRuntimeErrorOfPage(int32_t code) { RaiseRuntimeError(code); }

// The procedures call neither external commands nor the window services; a page cannot end
// its program or load another window, so those entries do nothing.
TypedValue NoLibraryCommand(int32_t, int32_t, const TypedValue*) { return {}; }
void NothingToEnd(int32_t) {}
void NoMessageLoop() {}
void NoOtherWindow(uint32_t) {}
intptr_t NoSystemCall(int32_t, intptr_t, intptr_t) { return 0; }

constexpr ServiceTable kPageServices = {
    &RaiseRuntimeErrorOfPage, &NoLibraryCommand, &CallCommand, &CallCommand,
    &GetUnitPropertyOfPage,   &SetUnitPropertyOfPage, &AllocateBlock, &ResizeBlock,
    &FreeBlock,               &NothingToEnd,     &NoMessageLoop, &NoOtherWindow, &NoSystemCall,
    &ShowUnitTipOfPage,
};

class Json {
public:
    void Key(const char* key)
    {
        Separate();
        m_text += '"';
        m_text += key;
        m_text += "\":";
        m_fresh = true;
    }
    void Number(int64_t value) { Separate(); m_text += std::to_string(value); }
    void Text(const std::string& utf8)
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
    void Open(char bracket) { Separate(); m_text += bracket; m_fresh = true; }
    void Close(char bracket) { m_text += bracket; m_fresh = false; }
    const std::string& Result() const { return m_text; }

private:
    void Separate()
    {
        if (!m_fresh)
            m_text += ',';
        m_fresh = false;
    }
    std::string m_text;
    bool m_fresh = true;
};

void Field(Json& json, const char* key, int64_t value) { json.Key(key); json.Number(value); }
void Field(Json& json, const char* key, const std::string& gbk) { json.Key(key); json.Text(GbkToUtf8(gbk)); }

// A stored font as its pixel height (0 = the window's), weight and face.
void FontFields(Json& json, const std::vector<uint8_t>& font)
{
    if (font.size() < logfont::kFaceName + logfont::kFaceNameSize)
        return;
    Field(json, "fontHeight", logfont::ReadWord(font.data(), logfont::kHeight));
    Field(json, "fontWeight", logfont::ReadWord(font.data(), logfont::kWeight));
    const char* face = reinterpret_cast<const char*>(font.data() + logfont::kFaceName);
    Field(json, "fontFace", std::string(face, strnlen(face, logfont::kFaceNameSize)));
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

void PictureFields(Json& json, const std::vector<uint8_t>& picture)
{
    Field(json, "picture", int64_t(uintptr_t(picture.data())));
    Field(json, "pictureSize", int64_t(picture.size()));
}

// The kind's own properties the page shows; a record whose data does not read keeps the
// kind's defaults, as on the desktop.
void KindFields(Json& json, const UnitRecord& record)
{
    const std::span<const uint8_t> data = record.property_data;
    switch (record.kind) {
    case KIND_EDIT_BOX: {
        const EditBoxProps props = ReadProps<EditBoxProps>(data).value_or(EditBoxProps{});
        Field(json, "kind", std::string("edit"));
        Field(json, "text", props.content);
        Field(json, "border", props.border);
        Field(json, "textColour", props.text_colour);
        Field(json, "background", props.background);
        Field(json, "readOnly", props.input_mode == 1);
        Field(json, "password", props.input_mode == 2);
        Field(json, "multiLine", props.multi_line);
        Field(json, "alignment", props.alignment);
        Field(json, "maxLength", props.max_length);
        FontFields(json, props.font);
        break;
    }
    case KIND_LABEL: {
        const LabelProps props = ReadProps<LabelProps>(data).value_or(LabelProps{});
        Field(json, "kind", std::string("label"));
        Field(json, "text", props.caption);
        Field(json, "border", props.border);
        Field(json, "textColour", props.text_colour);
        Field(json, "background", props.background);
        Field(json, "alignment", props.horizontal_alignment);
        Field(json, "verticalAlignment", props.vertical_alignment);
        Field(json, "wordWrap", props.word_wrap);
        Field(json, "textEffect", props.text_effect);
        Field(json, "gradientBorderWidth", props.gradient_border_width);
        ColoursField(json, "gradientBorder", props.gradient_border);
        Field(json, "gradientMode", props.gradient_mode);
        ColoursField(json, "gradientBackground", props.gradient_background);
        FontFields(json, props.font);
        break;
    }
    case KIND_BUTTON: {
        const ButtonProps props = ReadProps<ButtonProps>(data).value_or(ButtonProps{});
        Field(json, "kind", std::string("button"));
        Field(json, "text", props.caption);
        Field(json, "defaultButton", props.default_button);
        FontFields(json, props.font);
        break;
    }
    case KIND_SHAPE_BOX: {
        const ShapeBoxProps props = ReadProps<ShapeBoxProps>(data).value_or(ShapeBoxProps{});
        Field(json, "kind", std::string("shape"));
        Field(json, "shape", props.shape);
        Field(json, "effect3d", props.effect_3d);
        Field(json, "lineStyle", props.line_style);
        Field(json, "lineWidth", props.line_width);
        Field(json, "lineColour", props.line_colour);
        Field(json, "fillColour", props.fill_colour);
        Field(json, "background", props.background);
        break;
    }
    case KIND_PIC_BOX: {
        // Kept for the page, which copies the bytes out and lets the browser decode them.
        static std::vector<std::vector<uint8_t>> pictures;
        PicBoxProps props = ReadProps<PicBoxProps>(data).value_or(PicBoxProps{});
        Field(json, "kind", std::string("picture"));
        Field(json, "border", props.border);
        Field(json, "background", props.background);
        Field(json, "displayMode", props.display_mode);
        pictures.push_back(std::move(props.picture));
        PictureFields(json, pictures.back());
        break;
    }
    default: {
        const WindowProps props = ReadProps<WindowProps>(data).value_or(WindowProps{});
        Field(json, "kind", std::string("window"));
        Field(json, "background", props.background);
        break;
    }
    }
}

std::string DescribeMainWindow()
{
    const WindowData* window = MainWindow();
    if (window == nullptr)
        return "null";
    Json json;
    json.Open('[');
    for (const UnitRecord& record : window->records) {
        json.Open('{');
        Field(json, "id", record.id);
        Field(json, "name", record.name);
        Field(json, "left", record.left);
        Field(json, "top", record.top);
        Field(json, "width", record.width);
        Field(json, "height", record.height);
        Field(json, "visible", (record.state_flags & kStateVisible) != 0);
        Field(json, "disabled", (record.state_flags & kStateDisabled) != 0);
        Field(json, "tabStop", (record.state_flags & kStateTabStop) != 0);
        Field(json, "focusRank", record.focus_rank);
        Field(json, "parent", record.parent_id);
        int32_t click = kNoHandler;
        for (const EventBinding& binding : record.bindings) {
            if (binding.event == kEventClick)
                click = binding.handler;
        }
        Field(json, "clickable", click != kNoHandler);
        for (const AccessibleText& text : MainWindowAccessibleTexts()) {
            if (text.unit_id != record.id)
                continue;
            json.Key("accessibleName");
            json.Text(text.name);
            if (text.label_id != 0)
                Field(json, "labelledBy", text.label_id);
            if (text.description != nullptr) {
                json.Key("accessibleDescription");
                json.Text(text.description);
            }
        }
        Field(json, "alert", record.id == main_window::kAngleWarning);
        bool is_input = false;
        Field(json, "group", GroupButtonOf(record.id, is_input));
        Field(json, "groupInput", is_input);
        KindFields(json, record);
        json.Close('}');
    }
    json.Close(']');
    return json.Result();
}

}  // namespace

extern "C" {

// The main window's units in record order, as JSON; "null" when the template does not read.
EMSCRIPTEN_KEEPALIVE const char* PageDescribe()
{
    static const std::string description = DescribeMainWindow();
    return description.c_str();
}

// Runs the procedure a unit's click is bound to; a unit without one is left alone.
EMSCRIPTEN_KEEPALIVE void PageClick(uint32_t unit_id)
{
    const WindowData* window = MainWindow();
    const int index = window != nullptr ? StoredRecordIndex(*window, unit_id) : -1;
    if (index < 0)
        return;
    const ProcedureArea area = ProgramProcedures();
    for (const EventBinding& binding : window->records[size_t(index)].bindings) {
        if (binding.event == kEventClick && binding.handler >= 0 && size_t(binding.handler) < area.size())
            area[size_t(binding.handler)](nullptr, 0);
    }
}

}  // extern "C"

int main()
{
    InstallServices(&kPageServices);
    return 0;
}
