#include "faces/web/page/PageElements.h"

#include <emscripten/emscripten.h>

#include <cstdlib>

#include "calc/EvaluateExpression.h"
#include "values/Gbk.h"

EM_JS(void, PageShowUnit, (const char* json), { Module["showUnit"](JSON.parse(UTF8ToString(json))); });
EM_JS(void, PageArrangeUnits, (const char* json), { Module["arrangeUnits"](JSON.parse(UTF8ToString(json))); });
// A lone surrogate becomes U+FFFD, as the desktop's conversion makes it (stringToUTF8 would
// pair it with whatever follows). At most most_bytes of UTF-8 are handed over; *cut says
// whether the text had more.
// clang-format off
EM_JS(char*, PageReadText, (uint32_t unit_id, double most_bytes, int* cut), {
    let text = Module["unitText"](unit_id >>> 0);
    text = text.toWellFormed ? text.toWellFormed()
         : text.replace(new RegExp("[\\uD800-\\uDBFF](?![\\uDC00-\\uDFFF])|(?<![\\uD800-\\uDBFF])[\\uDC00-\\uDFFF]", "g"), String.fromCharCode(0xFFFD));
    const bytes = lengthBytesUTF8(text);
    HEAP32[cut >> 2] = bytes > most_bytes ? 1 : 0;
    const size = Math.min(bytes, most_bytes) + 1;
    const address = _malloc(size);
    if (address)
        stringToUTF8(text, address, size);
    return address;
});
// clang-format on
// clang-format off
EM_JS(void, PageWriteText, (uint32_t unit_id, const char* utf8), {
    Module["setUnitText"](unit_id >>> 0, UTF8ToString(utf8));
});
// clang-format on
// clang-format off
EM_JS(void, PageSetState, (uint32_t unit_id, int visible, int disabled), {
    Module["setUnitState"](unit_id >>> 0, visible, disabled);
});
// clang-format on
EM_JS(void, PageRepeatText, (uint32_t unit_id), { Module["repeatUnitText"](unit_id >>> 0); });
EM_JS(void, PageFocusUnit, (uint32_t unit_id, int select), { Module["focusUnit"](unit_id >>> 0, select); });
// clang-format off
EM_JS(void, PageShowNote, (uint32_t unit_id, const char* note, const char* side), {
    Module["showNote"](unit_id >>> 0, UTF8ToString(note), UTF8ToString(side));
});
// clang-format on
EM_JS(void, PageHideNote, (uint32_t unit_id), { Module["hideNote"](unit_id >>> 0); });
// clang-format off
EM_JS(void, PageDescribe, (uint32_t unit_id, const char* description), {
    Module["describeUnit"](unit_id >>> 0, UTF8ToString(description));
});
EM_JS(void, PageSetHoverText, (uint32_t unit_id, const char* hover), {
    Module["setHoverText"](unit_id >>> 0, UTF8ToString(hover));
});
// clang-format on

void ShowUnitElement(const std::string& description) { PageShowUnit(description.c_str()); }

void ArrangeUnitElements(const std::string& layout) { PageArrangeUnits(layout.c_str()); }

// A box may hold more than the engine takes, and the page's 32-bit memory holds a few copies of
// the longest text the engine takes but not of anything longer: such a text is read only as far
// as it takes to be too long. Its GBK form, at least a third of its UTF-8 but for characters
// GBK drops, is made too long when those made it short, so that it is refused as it is.
// (Memory too short even for that leaves the box read as empty.)
std::string ReadElementText(uint32_t unit_id)
{
    constexpr size_t kLongest = ExpressionEngine::kLongestExpression;
    int cut = 0;
    char* utf8 = PageReadText(unit_id, double(3 * (kLongest + 1)), &cut);
    if (utf8 == nullptr)
        return {};
    std::string gbk = Utf8ToGbk(utf8);
    std::free(utf8);
    if (cut != 0 && gbk.size() <= kLongest)
        gbk.resize(kLongest + 1, ' ');
    return gbk;
}

void WriteElementText(uint32_t unit_id, const std::string& gbk)
{
    PageWriteText(unit_id, GbkToUtf8(gbk).c_str());
}

void RepeatElementText(uint32_t unit_id) { PageRepeatText(unit_id); }

// -1 leaves that state as it is.
void SetElementVisible(uint32_t unit_id, bool visible) { PageSetState(unit_id, visible, -1); }

void SetElementDisabled(uint32_t unit_id, bool disabled) { PageSetState(unit_id, -1, disabled); }

void FocusElement(uint32_t unit_id, bool select) { PageFocusUnit(unit_id, select ? 1 : 0); }

void ShowElementNote(uint32_t unit_id, const std::string& note, NoteSide side)
{
    constexpr const char* kSides[] = {"below", "above", "right", "left"};
    PageShowNote(unit_id, note.c_str(), kSides[static_cast<int>(side) & 3]);
}

void HideElementNote(uint32_t unit_id) { PageHideNote(unit_id); }

void DescribeElement(uint32_t unit_id, const std::string& description, const std::string& hover)
{
    PageDescribe(unit_id, description.c_str());
    SetElementHoverText(unit_id, hover);
}

void SetElementHoverText(uint32_t unit_id, const std::string& hover)
{
    PageSetHoverText(unit_id, hover.c_str());
}
