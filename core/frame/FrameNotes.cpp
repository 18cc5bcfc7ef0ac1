// A note's life, the same on every face: one note on screen at a time; a reason shows at once
// for kNoteMilliseconds, a tap shows the hover text as long; the note goes when its time is up,
// when its reason goes, or when the user changes an input its reason came from. The pointer,
// Tab and the focus leave it alone. It stands beside its unit where it covers neither the unit
// nor the button just pressed, under which the pointer still is, nor, as far as it can, the
// boxes the person will correct.
#include <algorithm>
#include <climits>
#include <utility>

#include "core/frame/FocusOrder.h"
#include "core/frame/Frame.h"
#include "core/frame/FrameState.h"
#include "core/frame/NoteText.h"
#include "core/props/UnitTypes.h"
#include "core/runtime/EventDispatch.h"

namespace {

struct Box {
    int left, top, width, height;
    bool Meets(const Box& other) const
    {
        return left < other.left + other.width && other.left < left + width &&
               top < other.top + other.height && other.top < top + height;
    }
    int Area() const { return width * height; }
    int Overlap(const Box& other) const
    {
        const int across = std::min(left + width, other.left + other.width) - std::max(left, other.left);
        const int down = std::min(top + height, other.top + other.height) - std::max(top, other.top);
        return std::max(across, 0) * std::max(down, 0);
    }
};

// What a note takes, in the window's own pixels: at least as wide as a short line, and a line's
// height for each of its lines above its padding.
constexpr int kNoteWidth = 160;
constexpr int kNoteLineHeight = 18;
constexpr int kNotePadding = 6;

// The record's place in its window, through the units that contain it.
Box PlaceOf(RuntimeWindow& window, const RuntimeRecord& record)
{
    Box box{record.left, record.top, record.width, record.height};
    const RuntimeRecord* at = &record;
    for (int depth = 0; at->parent_id != 0 && depth < 64; ++depth) {
        at = FindRecord(window, at->parent_id);
        if (at == nullptr)
            break;
        box.left += at->left;
        box.top += at->top;
    }
    return box;
}

// How many of the units a person works with (boxes and buttons) a note there would cover.
int CoveredControls(RuntimeWindow& window, const RuntimeRecord& unit, const Box& note)
{
    int covered = 0;
    for (const RuntimeRecord& other : window.records) {
        const bool control = other.kind == KIND_EDIT_BOX || other.kind == KIND_BUTTON;
        if (control && &other != &unit && IsShown(window, other) && note.Meets(PlaceOf(window, other)))
            ++covered;
    }
    return covered;
}

// Where the face can show a note at the window.
Box VisibleArea(const RuntimeWindow& window)
{
    const RuntimeRecord& frame = window.records.front();
    if (TheFrame().face.visible_area == nullptr)
        return {0, 0, frame.width, frame.height};
    const FrameArea area = TheFrame().face.visible_area(window.id);
    return {area.left, area.top, area.width, area.height};
}

// The side whose note can be seen whole, covers no button just pressed, and covers the fewest
// other controls; below, right, left, above on a tie, since a group's inputs are above its
// result. Where no side is seen whole (a window at the screen's edge), the one that shows the
// most of the note.
NoteSide SideFor(RuntimeWindow& window, const RuntimeRecord& unit, const std::string& text)
{
    const Box at = PlaceOf(window, unit);
    const EventSource source = CurrentEventSource();
    const RuntimeRecord* pressed = source.window_id == window.id && source.unit_id != unit.id
                                       ? FindRecord(window, source.unit_id)
                                       : nullptr;
    const Box visible = VisibleArea(window);
    const int width = std::max(at.width, kNoteWidth);
    const int height = kNotePadding + kNoteLineHeight * int(1 + std::count(text.begin(), text.end(), '\n'));
    const struct {
        NoteSide side;
        Box note;
    } sides[] = {
        {NoteSide::Below, {at.left, at.top + at.height, width, height}},
        {NoteSide::Right, {at.left + at.width, at.top, width, height}},
        {NoteSide::Left, {at.left - width, at.top, width, height}},
        {NoteSide::Above, {at.left, at.top - height, width, height}},
    };
    NoteSide best = NoteSide::Below;
    // Ranked by what is hidden of the note, then by the controls it covers.
    std::pair<int, int> least{INT_MAX, INT_MAX};
    for (const auto& [side, note] : sides) {
        if (pressed != nullptr && note.Meets(PlaceOf(window, *pressed)))
            continue;
        const std::pair<int, int> cost{note.Area() - note.Overlap(visible),
                                       CoveredControls(window, unit, note)};
        if (cost < least) {
            least = cost;
            best = side;
        }
    }
    return best;
}

RuntimeWindow* WindowWithNotes(uint32_t window_id)
{
    RuntimeWindow* window = FindWindow(window_id);
    return window != nullptr && window->loaded && window->additions.notes.set_reason != nullptr ? window
                                                                                                : nullptr;
}

void Describe(RuntimeWindow& window, uint32_t unit_id)
{
    Emit({.kind = FrameAction::Kind::Describe,
          .window_id = window.id,
          .unit_id = unit_id,
          .text = window.additions.notes.description(unit_id)});
}

void ShowNote(RuntimeWindow& window, const RuntimeRecord& unit, const std::string& text)
{
    std::string shown = NoteText(text);
    const NoteSide side = SideFor(window, unit, shown);
    FrameState& frame = TheFrame();
    frame.note_window = window.id;
    frame.note_unit = unit.id;
    frame.note_timer = ++frame.last_timer;
    Emit({.kind = FrameAction::Kind::ShowNote,
          .window_id = window.id,
          .unit_id = unit.id,
          .text = std::move(shown),
          .side = side});
    Emit({.kind = FrameAction::Kind::StartTimer, .timer = frame.note_timer, .milliseconds = kNoteMilliseconds});
}

void HideNoteAt(uint32_t window_id, uint32_t unit_id)
{
    const FrameState& frame = TheFrame();
    if (frame.note_unit != 0 && frame.note_window == window_id && frame.note_unit == unit_id)
        HideShownNote(window_id);
}

}  // namespace

void HideShownNote(uint32_t window_id)
{
    FrameState& frame = TheFrame();
    if (frame.note_unit == 0 || (window_id != 0 && frame.note_window != window_id))
        return;
    Emit({.kind = FrameAction::Kind::HideNote, .window_id = frame.note_window, .unit_id = frame.note_unit});
    frame.note_window = frame.note_unit = 0;
    frame.note_timer = 0;
}

void ShowNoteForKeyboard(RuntimeWindow& window, const RuntimeRecord& unit, std::string text)
{
    if (!text.empty())
        ShowNote(window, unit, std::move(text));
}

void ShowUnitNote(uint32_t window_id, uint32_t unit_id, const char* gbk)
{
    const FrameCall call;
    RuntimeWindow* window = WindowWithNotes(window_id);
    RuntimeRecord* unit = window != nullptr ? FindRecord(*window, unit_id) : nullptr;
    if (unit == nullptr)
        return;
    const bool stands = window->additions.notes.set_reason(unit_id, gbk);
    Describe(*window, unit_id);
    if (!stands)
        HideNoteAt(window_id, unit_id);
    else if (IsShown(*window, *unit))
        ShowNote(*window, *unit, window->additions.notes.hover(unit_id));
}

void FrameTapped(uint32_t window_id, uint32_t unit_id)
{
    const FrameCall call;
    RuntimeWindow* window = WindowWithNotes(window_id);
    RuntimeRecord* unit = window != nullptr ? FindRecord(*window, unit_id) : nullptr;
    if (unit == nullptr)
        return;
    if (std::string text = window->additions.notes.hover(unit_id); !text.empty())
        ShowNote(*window, *unit, std::move(text));
}

std::string UnitHoverText(uint32_t window_id, uint32_t unit_id)
{
    RuntimeWindow* window = WindowWithNotes(window_id);
    return window != nullptr ? window->additions.notes.hover(unit_id) : std::string();
}

std::string UnitDescription(uint32_t window_id, uint32_t unit_id)
{
    RuntimeWindow* window = WindowWithNotes(window_id);
    return window != nullptr ? window->additions.notes.description(unit_id) : std::string();
}

void FrameUserEdited(uint32_t window_id, uint32_t unit_id)
{
    const FrameCall call;
    RuntimeWindow* window = WindowWithNotes(window_id);
    if (window == nullptr)
        return;
    for (const uint32_t gone : window->additions.notes.edited(unit_id)) {
        Describe(*window, gone);
        HideNoteAt(window_id, gone);
    }
}

void FrameTimerFired(int timer)
{
    const FrameCall call;
    if (timer != 0 && timer == TheFrame().note_timer)
        HideShownNote(0);
}
