// The program on the page: the form runtime loads the embedded window template with the page's
// unit library, builds the main window as page elements by the runtime's loading sequence, and
// runs the click procedures through a service table whose property calls go through the
// runtime to the page's elements. The frame (core/frame) decides what keys, notes, idle time
// and a close do; the page reports what the user does in the frame's words and carries out
// the actions it hands back.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "contract/ServiceTable.h"
#include "core/frame/FrameServices.h"
#include "program/StartRoutine.h"
#include "values/Constants.h"
#include "core/frame/Frame.h"
#include "core/runtime/EventDispatch.h"
#include "core/runtime/LoadSequence.h"
#include "core/runtime/UnitTypeTable.h"
#include "core/runtime/WindowList.h"
#include "faces/web/page/PageDescription.h"
#include "faces/web/page/PageElements.h"
#include "faces/web/page/PageKinds.h"
#include "program/FramePolicy.h"
#include "program/Groups.h"
#include "program/Notes.h"
#include "program/Procedures.h"
#include "program/ReadingOrder.h"
#include "program/data/AccessibleTexts.h"
#include "program/data/MainWindowTemplate.h"
#include "program/data/MainWindowUnits.h"
#include "values/Blocks.h"
#include "values/Commands.h"
#include "values/Gbk.h"
#include "values/RuntimeError.h"

EM_JS(void, PageShowError, (const char* utf8), { Module["showError"](UTF8ToString(utf8)); });
EM_JS(void, PageShowWindow, (uint32_t first_unit), { Module["showWindow"](first_unit >>> 0); });
EM_JS(void, PageLoopEntered, (), { Module["loopEntered"](); });
EM_JS(void, StartPageTimer, (int timer, int milliseconds), { Module["startTimer"](timer, milliseconds); });
EM_JS(void, OpenPageHelp, (const char* utf8), { Module["openHelp"](UTF8ToString(utf8)); });
EM_JS(void, RemoveWindowElements, (), { Module["closeWindow"](); });
EM_JS(void, EndPage, (int status), { Module["end"](status); });
// clang-format off
EM_JS(int, PageLineWidth, (uint32_t unit_id, const char* utf8), {
    return Module["lineWidth"](unit_id >>> 0, UTF8ToString(utf8));
});
// clang-format on
EM_JS(int, PageLineRoom, (uint32_t unit_id), { return Module["lineRoom"](unit_id >>> 0); });

namespace {

int LineWidth(uint32_t unit_id, const std::string& utf8) { return PageLineWidth(unit_id, utf8.c_str()); }

constexpr NoteMeasure kMeasure{&LineWidth, &PageLineRoom};

// A fatal error shows its box text in place of the window, and the program stops there.
void PresentError(const std::string& gbk) { PageShowError(GbkToUtf8(gbk).c_str()); }
void StopProgram(int32_t code)
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

// The window shows with the focus on the first unit of its focus order.
void ShowWindow(RuntimeWindow& window) { PageShowWindow(FirstFocusUnit(window.id)); }

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

// What the frame decided, done on the page's elements. A description changes what hovering
// shows too, and the pointer may already rest on the box, so its hover text is set again.
void Carry(const FrameAction& action)
{
    switch (action.kind) {
    case FrameAction::Kind::Focus: FocusElement(action.unit_id, action.select); break;
    case FrameAction::Kind::ShowNote: ShowElementNote(action.unit_id, action.text, action.side); break;
    case FrameAction::Kind::HideNote: HideElementNote(action.unit_id); break;
    case FrameAction::Kind::Describe:
        DescribeElement(action.unit_id, action.text, UnitHoverText(action.window_id, action.unit_id));
        break;
    case FrameAction::Kind::StartTimer: StartPageTimer(action.timer, action.milliseconds); break;
    case FrameAction::Kind::OpenHelp: OpenPageHelp(action.text.c_str()); break;
    case FrameAction::Kind::CloseWindow: RemoveWindowElements(); break;
    case FrameAction::Kind::Quit: EndPage(ExitHandler(action.status)); break;
    }
}

FrameKey KeyOf(int code)
{
    switch (code) {
    case kKeyTab: return FrameKey::Tab;
    case kKeyEnter: return FrameKey::Enter;
    case kKeyEscape: return FrameKey::Escape;
    case kKeyF1: return FrameKey::F1;
    default: return FrameKey::Other;
    }
}

}  // namespace

extern "C" {

// The user clicked a unit: 1 when a bound procedure ran.
EMSCRIPTEN_KEEPALIVE int PageClick(uint32_t unit_id) { return RaisePageEvent(unit_id, kEventClick) ? 1 : 0; }

// The user changed a box's text.
EMSCRIPTEN_KEEPALIVE void PageEdited(uint32_t unit_id)
{
    FrameUserEdited(main_window::kWindow, unit_id);
    RaisePageEvent(unit_id, kEventChange);
}

EMSCRIPTEN_KEEPALIVE void PageFocus(uint32_t unit_id, int focused)
{
    RaisePageEvent(unit_id, focused != 0 ? kEventFocusIn : kEventFocusOut);
}

// One of the frame's keys (FrameKeyCode) in a unit, 0 for none: 1 when the frame took it.
EMSCRIPTEN_KEEPALIVE int PageKey(uint32_t unit_id, int code, int shift, int ctrl, int alt)
{
    const KeyModifiers modifiers{.shift = shift != 0, .ctrl = ctrl != 0, .alt = alt != 0};
    return FrameKeyDown(main_window::kWindow, unit_id, KeyOf(code), modifiers) ? 1 : 0;
}

// The pointer came to rest over a box: its hover text as the program now has it.
EMSCRIPTEN_KEEPALIVE void PageHover(uint32_t unit_id)
{
    SetElementHoverText(unit_id, UnitHoverText(main_window::kWindow, unit_id));
}

// A finger tapped a box, which does not hover.
EMSCRIPTEN_KEEPALIVE void PageTapped(uint32_t unit_id) { FrameTapped(main_window::kWindow, unit_id); }

EMSCRIPTEN_KEEPALIVE void PageTimer(int timer) { FrameTimerFired(timer); }

EMSCRIPTEN_KEEPALIVE void PageActivity() { FrameActivity(); }

// One idle pass at the page's clock: 1 while the frame wants more.
EMSCRIPTEN_KEEPALIVE int PageIdle(double now_ms)
{
    return FrameIdlePass(uint64_t(std::max(now_ms, 0.0))) ? 1 : 0;
}

}  // extern "C"

namespace {

void LoadPageWindow(uint32_t window_id)
{
    AddFramePolicy(window_id);
    LoadWindowOrFail(window_id, kElements);
}

// The browser runs the loop: the page only starts taking part in it.
void EnterPageLoop()
{
    FrameLoopEntered();
    PageLoopEntered();
}

}  // namespace

// The services and the error hooks come first, so a template that does not read, or a window
// that cannot be built, is the fatal error the desktop shows, in place of the window.
int main()
{
    static const LibraryDescriptor* const libraries[] = {&PageLibrary()};
    InstallServices(&FrameServices({
        .program = TheProgramParts(libraries),
        .run_message_loop = &EnterPageLoop,
        .load_window = &LoadPageWindow,
        .present_error = &PresentError,
        .exit_process = &StopProgram,
    }));
    SetFrameFace({.carry = &Carry});
    SetNoteMeasure(kMeasure);
    return StartRoutine();
}
