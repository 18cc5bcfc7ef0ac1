// A note's life, the same on every face: one note on screen at a time; a reason shows at once
// for kNoteMilliseconds, a tap shows the hover text as long; the note goes when its time is up,
// when its reason goes, or when the user changes an input its reason came from. The pointer,
// Tab and the focus leave it alone. It stands beside its unit where it covers neither the unit
// nor the button just pressed, under which the pointer still is, nor, as far as it can, the
// boxes the person will correct.
#include <algorithm>
#include <climits>

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
};

// What a note of one short line takes, in the window's own pixels, at the least.
constexpr int kNoteWidth = 160;
constexpr int kNoteHeight = 24;

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

// The side whose note starts in the window, covers no button just pressed, and covers the
// fewest other controls; below, right, left, above on a tie, since a group's inputs are above
// its result.
NoteSide SideFor(RuntimeWindow& window, const RuntimeRecord& unit)
{
    const Box at = PlaceOf(window, unit);
    const EventSource source = CurrentEventSource();
    const RuntimeRecord* pressed = source.window_id == window.id && source.unit_id != unit.id
                                       ? FindRecord(window, source.unit_id)
                                       : nullptr;
    const RuntimeRecord& frame = window.records.front();
    const int width = std::max(at.width, kNoteWidth);
    const struct {
        NoteSide side;
        Box note;
    } sides[] = {
        {NoteSide::Below, {at.left, at.top + at.height, width, kNoteHeight}},
        {NoteSide::Right, {at.left + at.width, at.top, width, kNoteHeight}},
        {NoteSide::Left, {at.left - width, at.top, width, kNoteHeight}},
        {NoteSide::Above, {at.left, at.top - kNoteHeight, width, kNoteHeight}},
    };
    NoteSide best = NoteSide::Below;
    int fewest = INT_MAX;
    for (const auto& [side, note] : sides) {
        const bool inside = note.left >= 0 && note.top >= 0 && note.left < frame.width &&
                            note.top < frame.height;
        if (!inside || (pressed != nullptr && note.Meets(PlaceOf(window, *pressed))))
            continue;
        if (const int covered = CoveredControls(window, unit, note); covered < fewest) {
            fewest = covered;
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

void ShowNote(RuntimeWindow& window, const RuntimeRecord& unit, std::string text)
{
    FrameState& frame = TheFrame();
    frame.note_window = window.id;
    frame.note_unit = unit.id;
    frame.note_timer = ++frame.last_timer;
    Emit({.kind = FrameAction::Kind::ShowNote,
          .window_id = window.id,
          .unit_id = unit.id,
          .text = NoteText(text),
          .side = SideFor(window, unit)});
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
