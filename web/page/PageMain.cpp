// The program on the page: the form runtime loads the embedded window template with the page's
// unit library, builds the main window as page elements in the order the desktop builds its
// widgets, and runs the click procedures through a service table whose property calls go
// through the runtime to the page's elements.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>

#include "calc/Procedures.h"
#include "contract/ServiceTable.h"
#include "data/AccessibleTexts.h"
#include "data/MainWindowTemplate.h"
#include "data/MainWindowUnits.h"
#include "forms/runtime/EventDispatch.h"
#include "forms/runtime/UnitTypeTable.h"
#include "forms/runtime/WindowList.h"
#include "values/Blocks.h"
#include "values/Commands.h"
#include "values/Gbk.h"
#include "values/RuntimeError.h"
#include "web/page/PageDescription.h"
#include "web/page/PageElements.h"
#include "web/page/PageKinds.h"

EM_JS(void, PageShowError, (const char* utf8), { Module["showError"](UTF8ToString(utf8)); });

namespace {

void ShowUnitTipOfPage(uint32_t, uint32_t unit_id, const char* gbk)
{
    ShowElementNote(unit_id, gbk != nullptr ? gbk : "");
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
    &GetUnitProperty,         &SetUnitProperty,  &AllocateBlock, &ResizeBlock,
    &FreeBlock,               &NothingToEnd,     &NoMessageLoop, &NoOtherWindow, &NoSystemCall,
    &ShowUnitTipOfPage,
};

// A fatal error shows its box text in place of the window, and the program stops there.
void PresentError(const std::string& gbk) { PageShowError(GbkToUtf8(gbk).c_str()); }
[[noreturn]] void StopProgram(int code) { emscripten_force_exit(code); __builtin_unreachable(); }

// What the page needs beyond each unit's own description: where it sits among the others,
// whether it shows, and what assistive technology and the keyboard make of it.
std::string DescribeLayout(RuntimeWindow& window)
{
    const std::vector<RuntimeRecord*> tab_order = TabOrder(window);
    // Each box's group, named by its button: Enter in the box clicks it, and a change to one of
    // its inputs takes the group's notes away.
    struct Membership {
        uint32_t button;
        bool is_input;
    };
    std::map<uint32_t, Membership> groups;
    for (const main_window::UnitGroup& group : main_window::kGroups)
        group.ForEachBox([&](uint32_t box, bool is_input) { groups[box] = {group.button, is_input}; });
    Json json;
    json.Open('[');
    for (const RuntimeRecord& record : window.records) {
        json.Open('{');
        json.Field("id", record.id);
        json.Field("parent", record.parent_id);
        const auto tab = std::find(tab_order.begin(), tab_order.end(), &record);
        json.Field("tabOrder", tab != tab_order.end() ? tab - tab_order.begin() + 1 : 0);
        json.Field("visible", (record.state_flags & kStateVisible) != 0 && !record.on_hidden_page);
        for (const AccessibleText& text : MainWindowAccessibleTexts()) {
            if (text.unit_id != record.id)
                continue;
            json.Field("accessibleName", text.name);
            if (text.label_id != 0)
                json.Field("labelledBy", text.label_id);
            if (text.description != nullptr)
                json.Field("accessibleDescription", text.description);
            if (text.keyboard != Keyboard::None)
                json.Field("keyboard", text.keyboard == Keyboard::Decimal ? "decimal" : "text");
        }
        json.Field("alert", record.id == main_window::kAngleWarning);
        const auto group = groups.find(record.id);
        json.Field("group", group != groups.end() ? group->second.button : 0);
        json.Field("groupInput", group != groups.end() && group->second.is_input);
        json.Close('}');
    }
    json.Close(']');
    return json.Result();
}

bool Create(RuntimeWindow& window, RuntimeRecord& record, bool top_level)
{
    const auto create = reinterpret_cast<CreateEntry>(KindEntry(record.kind, kEntryCreate));
    if (create == nullptr)
        return false;
    record.object.reset(create(UnitCreateArgs(window, record, record.property_data, CreationStyle(record, top_level))));
    return record.object != nullptr;
}

// As the desktop loads a window: the window from record 0, then the units from the last
// record back, all with events suppressed; then placed, and its load events raised.
bool LoadPageWindow(uint32_t window_id)
{
    RuntimeWindow* window = FindWindow(window_id);
    if (window == nullptr || window->records.empty())
        return false;
    {
        EventSuppression building;
        if (!Create(*window, window->records.front(), true))
            return false;
        for (size_t i = window->records.size() - 1; i >= 1; --i) {
            RuntimeRecord& record = window->records[i];
            if (!record.IsMenuItem() && !Create(*window, record, false))
                return false;
        }
        ArrangeUnitElements(DescribeLayout(*window));
    }
    for (int32_t event : {kEventLoaded, kEventMoved, kEventResized})
        RaiseEventFromRuntime(window_id, 0, event);
    window->loaded = true;
    return true;
}

}  // namespace

extern "C" {

// Builds the main window on the page; a template that does not read is the fatal error the
// desktop shows, in place of the window.
EMSCRIPTEN_KEEPALIVE int PageLoad()
{
    static const LibraryDescriptor* const libraries[] = {&PageLibrary()};
    InitializeUnitLibraries(libraries);
    LoadProgramWindows({MainWindowTemplate, MainWindowTemplateSize}, ProgramProcedures());
    return LoadPageWindow(kMainWindowId) ? 1 : 0;
}

// The user's click (or Enter) on a unit: 1 when a bound procedure ran.
EMSCRIPTEN_KEEPALIVE int PageRaiseEvent(uint32_t unit_id, int32_t event)
{
    return RaisePageEvent(unit_id, event) ? 1 : 0;
}

}  // extern "C"

int main()
{
    InstallServices(&kPageServices);
    SetRuntimeErrorHooks({.before_report = &SuppressEvents, .present = &PresentError, .end_program = &StopProgram});
    return 0;
}
