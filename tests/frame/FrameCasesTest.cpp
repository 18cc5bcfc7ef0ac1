// The frame's shared cases (tests/cases/frame.cases) on a fake face: the main window's template
// and procedures on plain units that keep their property sets, a clock that moves only when a
// case waits, and a face that does what the frame's actions say and nothing else. No toolkit.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>

#include "contract/ServiceTable.h"
#include "tests/support/PlainUnits.h"
#include "core/frame/Frame.h"
#include "core/frame/NoteText.h"
#include "core/props/KindProps.h"
#include "core/runtime/EventDispatch.h"
#include "core/runtime/LoadSequence.h"
#include "core/runtime/UnitPropertyAccess.h"
#include "core/runtime/UnitTypeTable.h"
#include "program/FramePolicy.h"
#include "program/Procedures.h"
#include "program/data/MainWindowTemplate.h"
#include "values/Blocks.h"
#include "values/Commands.h"
#include "values/Gbk.h"
#include "values/RuntimeError.h"

namespace {

using namespace plain_units;

// What the fake face shows: the focus, whether the focused box's text is selected, the note on
// screen, the timers waiting, and how the run ended.
struct FakeScreen {
    uint64_t now = 0;
    uint32_t focus = 0;
    bool selected = false;
    std::optional<FrameAction> note;
    std::multimap<uint64_t, int> timers;
    std::optional<int> exit_status;
    std::map<uint32_t, std::string> descriptions;
    uint32_t pressed = 0;   // the unit clicked last, where the pointer stays
    std::string error_box;  // UTF-8
} screen;

// A runtime error's end, which a process would not come back from: the case's run unwinds.
struct RunEnded {
    int status;
};

// Where the fake face puts a note: a line of 18 pixels a line, 160 wide at the least, at its side.
bool NoteCovers(const FrameAction& note, const RuntimeRecord& unit, const RuntimeRecord& other)
{
    const int width = std::max(unit.width, 160);
    const int height = 6 + 18 * int(1 + std::count(note.text.begin(), note.text.end(), '\n'));
    int left = unit.left, top = unit.top;
    switch (note.side) {
    case NoteSide::Below: top += unit.height; break;
    case NoteSide::Above: top -= height; break;
    case NoteSide::Right: left += unit.width; break;
    case NoteSide::Left: left -= width; break;
    }
    return left < other.left + other.width && other.left < left + width && top < other.top + other.height &&
           other.top < top + height;
}

void Carry(const FrameAction& action)
{
    switch (action.kind) {
    case FrameAction::Kind::Focus:
        screen.focus = action.unit_id;
        screen.selected = action.select;
        break;
    case FrameAction::Kind::ShowNote: screen.note = action; break;
    case FrameAction::Kind::HideNote:
        if (screen.note && screen.note->unit_id == action.unit_id)
            screen.note.reset();
        break;
    case FrameAction::Kind::Describe: screen.descriptions[action.unit_id] = action.text; break;
    case FrameAction::Kind::StartTimer:
        screen.timers.emplace(screen.now + action.milliseconds, action.timer);
        break;
    case FrameAction::Kind::OpenHelp: break;
    case FrameAction::Kind::CloseWindow: break;
    case FrameAction::Kind::Quit: screen.exit_status = action.status; break;
    }
}

// clang-format off
const ServiceTable kServices = {
    [](int32_t code) { RaiseRuntimeError(code); }, nullptr, &CallCommand, &CallCommand, &GetUnitProperty,
    &SetUnitProperty, &AllocateBlock, &ResizeBlock, &FreeBlock, nullptr, nullptr, nullptr, nullptr,
    &ShowUnitNote,
};
// clang-format on

RuntimeRecord* RecordNamed(const std::string& name)
{
    std::string gbk_name = name;
    if (name.rfind("edit", 0) == 0)
        gbk_name = Utf8ToGbk("编辑框" + name.substr(4));
    else if (name.rfind("button", 0) == 0)
        gbk_name = Utf8ToGbk("按钮" + name.substr(6));
    for (RuntimeRecord& record : FindWindow(main_window::kWindow)->records) {
        if (record.name == gbk_name)
            return &record;
    }
    return nullptr;
}

std::string& BoxText(const RuntimeRecord& record)
{
    return std::get<EditBoxProps>(static_cast<PlainUnit*>(record.object.get())->props).content;
}

void Prepare(void (*vary)(RuntimeWindow& window) = nullptr)
{
    ClearWindows();
    InstallServices(&kServices);
    UsePlainLibrary();
    LoadProgramWindows({MainWindowTemplate, MainWindowTemplateSize}, ProgramProcedures());
    screen = {};
    SetFrameFace({.carry = &Carry});
    AddFramePolicy(main_window::kWindow);
    if (vary != nullptr)
        vary(*FindWindow(main_window::kWindow));
}

const LoadSurface kSurface{.is_live = [](const RuntimeRecord& record) { return record.object != nullptr; }};

// The window's template as a `variant` step changes it.
std::string g_variant_unit;
void DamageProperties(RuntimeWindow&)
{
    std::vector<uint8_t>& data = RecordNamed(g_variant_unit)->property_data;
    std::fill_n(data.begin(), std::min<size_t>(data.size(), 4), 0xFF);
}

// Loads the window as start-up does, a failure ending the run with the error box's status.
void Load(const std::string& variant = {})
{
    std::istringstream words(variant);
    std::string how;
    words >> how >> g_variant_unit;
    Prepare(how == "damage" ? &DamageProperties : nullptr);
    SetRuntimeErrorHooks({.present = [](const std::string& gbk) { screen.error_box = GbkToUtf8(gbk); },
                          .end_program = [](int code) { throw RunEnded{code & 0xFF}; }});
    try {
        LoadWindowOrFail(main_window::kWindow, kSurface);
    } catch (const RunEnded& ended) {
        screen.exit_status = ended.status;
        return;
    }
    FrameLoopEntered();
    screen.focus = FirstFocusUnit(main_window::kWindow);
}

void Wait(uint64_t milliseconds)
{
    const uint64_t until = screen.now + milliseconds;
    while (!screen.timers.empty() && screen.timers.begin()->first <= until) {
        const auto [at, timer] = *screen.timers.begin();
        screen.timers.erase(screen.timers.begin());
        screen.now = at;
        FrameTimerFired(timer);
    }
    screen.now = until;
}

struct Case {
    std::string name;
    std::vector<std::string> steps;
};

std::vector<Case> ReadCases()
{
    std::ifstream file(std::string(ANGLARIX_SOURCE_DIR) + "/tests/cases/frame.cases");
    std::vector<Case> cases;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        if (line.rfind("case ", 0) == 0)
            cases.push_back({line.substr(5), {}});
        else if (!cases.empty())
            cases.back().steps.push_back(line);
    }
    return cases;
}

// Runs one step; a failure names the step.
void Step(const std::string& step)
{
    std::istringstream words(step);
    std::string verb, unit_name;
    words >> verb;
    std::string rest;
    std::getline(words >> std::ws, rest);
    const auto unit = [&]() -> RuntimeRecord& {
        RuntimeRecord* record = RecordNamed(rest.substr(0, rest.find(' ')));
        if (record == nullptr)
            throw std::runtime_error("no unit " + rest);
        return *record;
    };
    const auto argument = [&] {
        return rest.find(' ') == std::string::npos ? std::string() : rest.substr(rest.find(' ') + 1);
    };
    if (verb == "click") {
        RuntimeRecord& target = unit();
        screen.focus = target.id;
        screen.pressed = target.id;
        screen.selected = false;
        FrameActivity();
        if (target.kind == KIND_BUTTON)
            RaiseEventFromRuntime(main_window::kWindow, target.id, kEventClick);
    } else if (verb == "type") {
        RuntimeRecord* box = FindRecord(*FindWindow(main_window::kWindow), screen.focus);
        ASSERT_TRUE(box != nullptr && box->kind == KIND_EDIT_BOX) << "no box has the focus";
        BoxText(*box) = (screen.selected ? std::string() : BoxText(*box)) + Utf8ToGbk(rest);
        screen.selected = false;
        FrameUserEdited(main_window::kWindow, box->id);
        RaiseEventFromRuntime(main_window::kWindow, box->id, kEventChange);
    } else if (verb == "key") {
        const KeyModifiers shift{.shift = rest.rfind("shift+", 0) == 0};
        const std::string name = shift.shift ? rest.substr(6) : rest;
        const FrameKey key = name == "Tab"      ? FrameKey::Tab
                             : name == "Return" ? FrameKey::Enter
                             : name == "Escape" ? FrameKey::Escape
                                                : FrameKey::Other;
        FrameActivity();
        FrameKeyDown(main_window::kWindow, screen.focus, key, shift);
    } else if (verb == "wait") {
        Wait(std::stoull(rest));
    } else if (verb == "expect") {
        EXPECT_EQ(GbkToUtf8(BoxText(unit())), argument());
    } else if (verb == "focus") {
        EXPECT_EQ(screen.focus, unit().id);
    } else if (verb == "note") {
        ASSERT_TRUE(screen.note.has_value()) << "no note";
        EXPECT_EQ(screen.note->unit_id, unit().id);
        EXPECT_FALSE(screen.note->text.empty());
        const RuntimeRecord* pressed = FindRecord(*FindWindow(main_window::kWindow), screen.pressed);
        if (pressed != nullptr && pressed != &unit())
            EXPECT_FALSE(NoteCovers(*screen.note, unit(), *pressed)) << "over the pointer";
    } else if (verb == "no-note") {
        EXPECT_FALSE(screen.note.has_value()) << "a note at " << std::hex << screen.note->unit_id;
    } else if (verb == "tab-order") {
        std::istringstream names(rest);
        std::vector<uint32_t> stops;
        for (std::string name; names >> name;)
            stops.push_back(RecordNamed(name)->id);
        screen.focus = stops.front();
        for (size_t i = 1; i <= stops.size(); ++i) {
            FrameKeyDown(main_window::kWindow, screen.focus, FrameKey::Tab, {});
            EXPECT_EQ(screen.focus, stops[i % stops.size()]) << "Tab " << i;
        }
        for (size_t i = stops.size(); i-- > 0;) {
            FrameKeyDown(main_window::kWindow, screen.focus, FrameKey::Tab, {.shift = true});
            EXPECT_EQ(screen.focus, stops[i]) << "Shift+Tab " << i;
        }
    } else if (verb == "error-box") {
        EXPECT_NE(screen.error_box.find(rest), std::string::npos) << screen.error_box;
    } else if (verb == "variant") {
        // Taken when the case was loaded.
    } else if (verb == "exit") {
        ASSERT_TRUE(screen.exit_status.has_value()) << "still running";
        EXPECT_EQ(*screen.exit_status, std::stoi(rest));
    } else {
        FAIL() << "unknown step";
    }
}

TEST(FrameCases, EveryCaseOnTheFakeFace)
{
    const std::vector<Case> cases = ReadCases();
    ASSERT_GE(cases.size(), 10u);
    for (const Case& one : cases) {
        const bool varied = !one.steps.empty() && one.steps.front().rfind("variant ", 0) == 0;
        Load(varied ? one.steps.front().substr(8) : std::string());
        for (const std::string& step : one.steps) {
            SCOPED_TRACE(one.name + ": " + step);
            Step(step);
        }
    }
    ClearWindows();
}

// Variants of the window's template: a unit whose stored properties do not read fails the load
// of the whole window, whichever kind it is and whoever shows it.
TEST(FrameCases, AUnitWhoseStoredPropertiesDoNotReadFailsTheLoad)
{
    const struct {
        const char* unit;
        std::vector<uint8_t> data;
    } variants[] = {
        {"edit1", {1, 2, 3}},
        {"button1", {0xFF, 0xFF, 0xFF, 0x7F}},
        {"edit10", std::vector<uint8_t>(4096, 0xEE)},
    };
    for (const auto& variant : variants) {
        SCOPED_TRACE(variant.unit);
        static const std::vector<uint8_t>* damage = nullptr;
        static std::string unit;
        damage = &variant.data;
        unit = variant.unit;
        Prepare([](RuntimeWindow&) { RecordNamed(unit)->property_data = *damage; });
        EXPECT_FALSE(LoadWindow(main_window::kWindow, kSurface));
        EXPECT_FALSE(FindWindow(main_window::kWindow)->loaded);
        EXPECT_EQ(FindWindow(main_window::kWindow)->records.front().object, nullptr)
            << "what was built went again";
    }
    Prepare();
    EXPECT_TRUE(LoadWindow(main_window::kWindow, kSurface)) << "the template as stored";
    ClearWindows();
}

// Whatever a note is given, it holds a few lines: a toolkit lays megabytes out for minutes.
TEST(FrameCases, ANoteHoldsAFewLines)
{
    std::string twenty;
    for (char c = 'a'; c < 'a' + 20; ++c)
        twenty += std::string(1, c) + (c < 'a' + 19 ? "\n" : "");
    std::string hanzi;
    for (int i = 0; i < 1000; ++i)
        hanzi += "角";
    const struct {
        std::string text, shown;
    } cases[] = {
        {"求反正弦角度\n3 ÷ 5", "求反正弦角度\n3 ÷ 5"},
        {twenty, "a\nb\nc\nd\n…\nr\ns\nt"},
        {std::string(10000, '7'), std::string(198, '7') + " … " + std::string(198, '7')},
        {hanzi, hanzi.substr(0, 198 * 3) + " … " + hanzi.substr(0, 198 * 3)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NoteText(c.text), c.shown) << c.text.substr(0, 40);
}

}  // namespace
