#include "faces/web/page/PageElements.h"

#include <emscripten/emscripten.h>

#include <cstdlib>

#include "values/Gbk.h"

EM_JS(void, PageShowUnit, (const char* json), { Module["showUnit"](JSON.parse(UTF8ToString(json))); });
EM_JS(void, PageArrangeUnits, (const char* json), { Module["arrangeUnits"](JSON.parse(UTF8ToString(json))); });
EM_JS(char*, PageReadText, (uint32_t unit_id), {
    const text = Module["unitText"](unit_id >>> 0);
    const size = lengthBytesUTF8(text) + 1;
    const address = _malloc(size);
    stringToUTF8(text, address, size);
    return address;
});
EM_JS(void, PageWriteText, (uint32_t unit_id, const char* utf8), {
    Module["setUnitText"](unit_id >>> 0, UTF8ToString(utf8));
});
EM_JS(void, PageSetState, (uint32_t unit_id, int visible, int disabled), {
    Module["setUnitState"](unit_id >>> 0, visible, disabled);
});
EM_JS(void, PageSetNoteTexts, (uint32_t unit_id, const char* hover, const char* description), {
    Module["setNoteTexts"](unit_id >>> 0, UTF8ToString(hover), UTF8ToString(description));
});
EM_JS(void, PageShowNote, (uint32_t unit_id, const char* note, int milliseconds), {
    Module["showNote"](unit_id >>> 0, UTF8ToString(note), milliseconds);
});

void ShowUnitElement(const std::string& description) { PageShowUnit(description.c_str()); }

void ArrangeUnitElements(const std::string& layout) { PageArrangeUnits(layout.c_str()); }

std::string ReadElementText(uint32_t unit_id)
{
    char* utf8 = PageReadText(unit_id);
    std::string gbk = Utf8ToGbk(utf8);
    std::free(utf8);
    return gbk;
}

void WriteElementText(uint32_t unit_id, const std::string& gbk)
{
    PageWriteText(unit_id, GbkToUtf8(gbk).c_str());
}

// -1 leaves that state as it is.
void SetElementVisible(uint32_t unit_id, bool visible) { PageSetState(unit_id, visible, -1); }

void SetElementDisabled(uint32_t unit_id, bool disabled) { PageSetState(unit_id, -1, disabled); }

void SetElementNoteTexts(uint32_t unit_id, const std::string& hover, const std::string& description)
{
    PageSetNoteTexts(unit_id, hover.c_str(), description.c_str());
}

void ShowElementNote(uint32_t unit_id, const std::string& note, int milliseconds)
{
    PageShowNote(unit_id, note.c_str(), milliseconds);
}
