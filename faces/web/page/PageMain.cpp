// The program on the page: the form runtime loads the embedded window template with the page's
// unit library, builds the main window as page elements by the runtime's loading sequence, and
// runs the click procedures through a service table whose property calls go through the
// runtime to the page's elements. What the user does arrives here as "click", "changed",
// "focus", "Enter" and "hover" on a unit; the runtime and the program answer.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "program/Procedures.h"
#include "contract/ServiceTable.h"
#include "program/data/AccessibleTexts.h"
#include "program/data/MainWindowTemplate.h"
#include "program/data/MainWindowUnits.h"
#include "core/runtime/EnterKey.h"
#include "core/runtime/EventDispatch.h"
#include "core/runtime/LoadSequence.h"
#include "core/runtime/UnitTypeTable.h"
#include "core/runtime/WindowList.h"
#include "program/FramePolicy.h"
#include "program/Groups.h"
#include "core/frame/Frame.h"
#include "program/Notes.h"
#include "program/ReadingOrder.h"
#include "values/Blocks.h"
#include "values/Commands.h"
#include "values/Gbk.h"
#include "values/RuntimeError.h"
#include "faces/web/page/PageDescription.h"
#include "faces/web/page/PageElements.h"
#include "faces/web/page/PageKinds.h"

EM_JS(void, PageShowError, (const char* utf8), { Module["showError"](UTF8ToString(utf8)); });
EM_JS(void, PageShowWindow, (uint32_t first_unit), { Module["showWindow"](first_unit >>> 0); });
// clang-format off
EM_JS(int, PageLineWidth, (uint32_t unit_id, const char* utf8), {
    return Module["lineWidth"](unit_id >>> 0, UTF8ToString(utf8));
});
// clang-format on
EM_JS(int, PageLineRoom, (uint32_t unit_id), { return Module["lineRoom"](unit_id >>> 0); });

namespace {

int LineWidth(uint32_t unit_id, const std::string& utf8) { return PageLineWidth(unit_id, utf8.c_str()); }

constexpr NoteMeasure kMeasure{&LineWidth, &PageLineRoom};

// A box's hover text and description as the program now has them; the hover text is returned
// too, since it reads the whole box.
std::string PresentNoteTexts(uint32_t unit_id)
{
    std::string hover = NoteHoverText(unit_id, kMeasure);
    SetElementNoteTexts(unit_id, hover, NoteDescription(unit_id));
    return hover;
}

void ShowUnitTipOfPage(uint32_t window_id, uint32_t unit_id, const char* gbk)
{
    RuntimeWindow* window = FindWindow(window_id);
    if (window == nullptr || !window->loaded || !HasNotes(unit_id))
        return;
    const bool stands = SetNoteReason(unit_id, gbk);
    const std::string hover = PresentNoteTexts(unit_id);
    ShowElementNote(unit_id, stands ? hover : std::string(), kNoteMilliseconds);
}

void RaiseRuntimeErrorOfPage(int32_t code) { RaiseRuntimeError(code); }

// The procedures call neither external commands nor the window services; a page cannot end
// its program or load another window, so those entries do nothing.
TypedValue NoLibraryCommand(int32_t, int32_t, const TypedValue*) { return {}; }
void NothingToEnd(int32_t) {}
void NoMessageLoop() {}
void NoOtherWindow(uint32_t) {}
intptr_t NoSystemCall(int32_t, intptr_t, intptr_t) { return 0; }

// clang-format off
constexpr ServiceTable kPageServices = {
    &RaiseRuntimeErrorOfPage, &NoLibraryCommand, &CallCommand, &CallCommand,
    &GetUnitProperty,         &SetUnitProperty,  &AllocateBlock, &ResizeBlock,
    &FreeBlock,               &NothingToEnd,     &NoMessageLoop, &NoOtherWindow, &NoSystemCall,
    &ShowUnitTipOfPage,
};
// clang-format on

// A fatal error shows its box text in place of the window, and the program stops there.
void PresentError(const std::string& gbk) { PageShowError(GbkToUtf8(gbk).c_str()); }
[[noreturn]] void StopProgram(int code)
{
    emscripten_force_exit(code);
    __builtin_unreachable();
}

// What the page needs beyond each unit's own description: where it sits among the others,
// whether it shows, and what assistive technology and the keyboard make of it. The units come
// in reading order, which the page keeps for assistive technology and a narrow screen, each
// with its place in the stack (the first record on top) and its group.
std::string DescribeLayout(RuntimeWindow& window)
{
    const std::vector<RuntimeRecord*> tab_order = TabOrder(window);
    std::vector<std::pair<const RuntimeRecord*, int>> reading;
    for (const ReadingPlace& place : MainWindowReadingOrder())
        for (const RuntimeRecord& record : window.records)
            if (record.id == place.unit_id)
                reading.emplace_back(&record, place.group);
    for (const RuntimeRecord& record : window.records)
        if (std::find_if(reading.begin(), reading.end(),
                         [&](const auto& read) { return read.first == &record; }) == reading.end())
            reading.emplace_back(&record, 0);
    Json json;
    json.Open('[');
    for (const auto& [record_pointer, group] : reading) {
        const RuntimeRecord& record = *record_pointer;
        json.Open('{');
        json.Field("id", record.id);
        json.Field("parent", record.parent_id);
        json.Field("stack", int(window.records.size() - (&record - window.records.data())));
        json.Field("group", group);
        const std::optional<BoxInGroup> box = GroupOfBox(record.id);
        json.Field("result", box && !box->is_input);
        const auto tab = std::find(tab_order.begin(), tab_order.end(), &record);
        json.Field("tabOrder", tab != tab_order.end() ? tab - tab_order.begin() + 1 : 0);
        json.Field("visible", (record.state_flags & kStateVisible) != 0 && MayShow(record));
        if (const AccessibleText* text = MainWindowAccessibleText(record.id)) {
            json.Field("accessibleName", text->name);
            if (text->label_id != 0)
                json.Field("labelledBy", text->label_id);
            if (text->description != nullptr)
                json.Field("accessibleDescription", text->description);
            json.Field("alert", text->alert);
            if (text->keyboard != Keyboard::None)
                json.Field("keyboard", text->keyboard == Keyboard::Decimal ? "decimal" : "text");
        }
        json.Close('}');
    }
    json.Close(']');
    return json.Result();
}

bool IsLive(const RuntimeRecord& record) { return record.object != nullptr; }

// The elements are placed, stacked and shown from one description of the window's layout.
void Arrange(RuntimeWindow& window) { ArrangeUnitElements(DescribeLayout(window)); }

// The units Tab visits now: the window's order, leaving out the hidden and the disabled, which
// the records know on the page.
std::vector<RuntimeRecord*> FocusOrder(RuntimeWindow& window)
{
    std::vector<RuntimeRecord*> order = TabOrder(window);
    std::erase_if(order, [](const RuntimeRecord* record) {
        return record->object == nullptr || (record->state_flags & kStateVisible) == 0 || !MayShow(*record) ||
               (record->state_flags & kStateDisabled) != 0;
    });
    return order;
}

// The window shows with the focus on the first unit of its focus order.
void ShowWindow(RuntimeWindow& window)
{
    const std::vector<RuntimeRecord*> order = FocusOrder(window);
    PageShowWindow(order.empty() ? 0 : order.front()->id);
}

constexpr LoadSurface kElements{
    .is_live = &IsLive,
    .bring_forward = nullptr,
    .units_parent = nullptr,
    .place_inside = nullptr,
    .raise = nullptr,
    .show_unit = nullptr,
    .built = &Arrange,
    .show_window = &ShowWindow,
};

}  // namespace

extern "C" {

// Builds the main window on the page; a template that does not read, or a window that cannot
// be built, is the fatal error the desktop shows, in place of the window.
EMSCRIPTEN_KEEPALIVE int PageLoad()
{
    static const LibraryDescriptor* const libraries[] = {&PageLibrary()};
    InitializeUnitLibraries(libraries);
    LoadProgramWindows({MainWindowTemplate, MainWindowTemplateSize}, ProgramProcedures());
    AddFramePolicy(kMainWindowId);
    LoadWindowOrFail(kMainWindowId, kElements);
    return 1;
}

// The user clicked a unit: 1 when a bound procedure ran.
EMSCRIPTEN_KEEPALIVE int PageClick(uint32_t unit_id) { return RaisePageEvent(unit_id, kEventClick) ? 1 : 0; }

// The user changed a box's text.
EMSCRIPTEN_KEEPALIVE void PageChanged(uint32_t unit_id)
{
    RaisePageEvent(unit_id, kEventChange);
    for (uint32_t noted : UserChangedBox(unit_id)) {
        PresentNoteTexts(noted);
        ShowElementNote(noted, {}, 0);
    }
}

EMSCRIPTEN_KEEPALIVE void PageFocus(uint32_t unit_id, int focused)
{
    RaisePageEvent(unit_id, focused != 0 ? kEventFocusIn : kEventFocusOut);
}

// Enter on a unit (0 for none) that did not take it itself, with Shift, Ctrl or Alt or not:
// 1 when it clicked a button, 2 when the focus is to move on as by Tab (PageTab), else 0.
EMSCRIPTEN_KEEPALIVE int PageEnter(uint32_t unit_id, int modified)
{
    RuntimeWindow* window = FindWindow(kMainWindowId);
    if (window == nullptr || !window->loaded)
        return 0;
    const EnterAnswer answer = AnswerEnter(*window, unit_id, modified != 0);
    if (answer.action == EnterAnswer::Action::Click) {
        RaiseEventFromRuntime(window->id, answer.unit, kEventClick);
        return 1;
    }
    return answer.action == EnterAnswer::Action::MoveFocus ? 2 : 0;
}

// Tab (or Shift+Tab, backward) from a unit, 0 for none: the unit to focus, 0 for none.
EMSCRIPTEN_KEEPALIVE uint32_t PageTab(uint32_t unit_id, int backward)
{
    RuntimeWindow* window = FindWindow(kMainWindowId);
    if (window == nullptr || !window->loaded)
        return 0;
    const RuntimeRecord* from = unit_id != 0 ? FindRecord(*window, unit_id) : nullptr;
    const RuntimeRecord* next = NextInFocusOrder(FocusOrder(*window), from, backward == 0);
    return next != nullptr ? next->id : 0;
}

// The pointer came to rest over a unit, or a finger tapped it (touched), which does not hover:
// a tap on a box shows what hovering would as a note for a while.
EMSCRIPTEN_KEEPALIVE void PageHover(uint32_t unit_id, int touched)
{
    RuntimeWindow* window = FindWindow(kMainWindowId);
    if (window == nullptr || !window->loaded || !HasNotes(unit_id))
        return;
    const std::string hover = PresentNoteTexts(unit_id);
    if (touched != 0 && !hover.empty())
        ShowElementNote(unit_id, hover, kNoteMilliseconds);
}

}  // extern "C"

int main()
{
    InstallServices(&kPageServices);
    SetRuntimeErrorHooks(
        {.before_report = &SuppressEvents, .present = &PresentError, .end_program = &StopProgram});
    return 0;
}
