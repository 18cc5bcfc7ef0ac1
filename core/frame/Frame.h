#pragma once
// The frame around the loaded windows, decided once for every face: what Tab, Enter, Escape
// and F1 do, where the focus goes, a note's life, the idle periods, a close and the end of the
// run. A face reports what the user did in the frame's words and carries out the actions the
// frame hands back; it decides none of these itself.
//
//   FrameKeyDown(window, 编辑框1, FrameKey::Tab, {})  -> Focus{编辑框9, select its text}; true
//   ShowUnitNote(window, 编辑框2, reason)             -> ShowNote{编辑框2, text, Right}, StartTimer{6 s}
//   FrameTimerFired(that timer)                       -> HideNote{编辑框2}
//   FrameCloseRequest(window) with the last window    -> Quit{0}
//
// Actions reach the face through its carry function at the end of each call below (nested
// calls deliver theirs with the outermost one), in the order they were decided.
#include <cstdint>
#include <string>

// How long a note stands before it goes by itself.
inline constexpr int kNoteMilliseconds = 6000;

enum class FrameKey { Tab, Enter, Escape, F1, Other };

struct KeyModifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

// Where a note stands against its unit; the first side that covers neither the unit nor the
// button just pressed (the pointer is on it) is chosen.
enum class NoteSide { Below, Above, Right, Left };

struct FrameAction {
    enum class Kind {
        Focus,        // unit; select: select the box's whole text, as a keyboard stop does
        ShowNote,     // unit, text (UTF-8, a few lines at most), side; replaces any note shown
        HideNote,     // unit: the note shown at it goes
        Describe,     // unit, text: the unit's accessible description is now this
        StartTimer,   // timer, milliseconds: report FrameTimerFired(timer) once they have passed
        OpenHelp,     // text: the help file's name (UTF-8)
        CloseWindow,  // window: its units are let go; the face removes what it showed of it
        Quit,         // status: the message loop ends with it
    } kind;
    uint32_t window_id = 0;
    uint32_t unit_id = 0;
    bool select = false;
    std::string text{};
    NoteSide side = NoteSide::Below;
    int timer = 0;
    int milliseconds = 0;
    int status = 0;
};

// A rectangle in a window's own pixels, from the top-left corner of its client area.
struct FrameArea {
    int left = 0, top = 0, width = 0, height = 0;
};

struct FrameFace {
    void (*carry)(const FrameAction& action) = nullptr;
    // Where a note at this window can be seen, in the window's pixels: the screen's work area on
    // a desktop, the view on the page. Optional; without it a note stays within the window.
    FrameArea (*visible_area)(uint32_t window_id) = nullptr;
    // The toolkit's own idle work in a new idle period (deferred deletions and the like); true
    // while it wants more passes. Optional.
    bool (*standard_idle_work)(int count) = nullptr;
    // Calls the functions registered with the face for every idle pass, last first, dropping
    // those whose window has gone. Optional.
    void (*idle_registrations)() = nullptr;
};

// Installs the face that carries out the actions from now on.
void SetFrameFace(const FrameFace& face);

// A key went down in a loaded window, in unit_id (0: the window itself, or no unit). True when
// the frame acted on it and the unit must not see it. A unit whose kind wants the key itself
// (a multi-line box and Enter) gets it.
bool FrameKeyDown(uint32_t window_id, uint32_t unit_id, FrameKey key, KeyModifiers modifiers);

// The user changed a unit's text; the notes that change made untrue go.
void FrameUserEdited(uint32_t window_id, uint32_t unit_id);

// The service: a note (GBK) at a unit, as the program words it; null or empty takes it away.
void ShowUnitNote(uint32_t window_id, uint32_t unit_id, const char* gbk);
// The texts the program has for a unit now: what hovering it shows, and its description.
std::string UnitHoverText(uint32_t window_id, uint32_t unit_id);
std::string UnitDescription(uint32_t window_id, uint32_t unit_id);
// The pointer rested on a unit, or a finger tapped it (which does not hover): a tap shows the
// hover text as a note, as a reason shows.
void FrameTapped(uint32_t window_id, uint32_t unit_id);

void FrameTimerFired(int timer);

// The window's close button, Escape or the system asked the window to close. The window's
// close-request event may refuse; otherwise its units go, and with the last window the run.
// True when the window closed.
bool FrameCloseRequest(uint32_t window_id);
// A window went without asking (its toolkit destroyed it): the end of the run as for a close.
void FrameWindowGone(uint32_t window_id);

// The message loop: entered, user activity (a new idle period), and one idle pass while
// nothing waits, at now_ms on any steady clock; false when the idle phase is over.
void FrameLoopEntered();
bool FrameLoopWasEntered();
void FrameActivity();
bool FrameIdlePass(uint64_t now_ms);

// The unit a window starts with: the first of its focus order; 0 for none.
uint32_t FirstFocusUnit(uint32_t window_id);
