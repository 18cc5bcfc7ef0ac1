#pragma once
// The frame's own state, shared by its parts: the face, the actions waiting for it, the note on
// screen, the idle period. One per process, as the runtime's.
#include <deque>
#include <vector>

#include "core/frame/Frame.h"
#include "core/frame/FrameServices.h"
#include "core/runtime/WindowList.h"

struct FrameState {
    FrameFace face;
    std::deque<FrameAction> outbox;
    int depth = 0;

    // The one note on screen, and the timer that takes it down.
    uint32_t note_window = 0;
    uint32_t note_unit = 0;
    int note_timer = 0;
    int last_timer = 0;

    bool loop_entered = false;
    int idle_count = 0;
    uint64_t period_start = 0;
    bool standard_work_pending = false;
    std::vector<uint32_t> idle_finished;
};

FrameState& TheFrame();

// Queues an action for the face.
void Emit(FrameAction action);

// Every input of the frame holds one while it decides; the outermost delivers what was decided,
// in order, including what the face's carrying out of it decides in turn.
class FrameCall {
public:
    FrameCall() { ++TheFrame().depth; }
    ~FrameCall();
    FrameCall(const FrameCall&) = delete;
    FrameCall& operator=(const FrameCall&) = delete;
};

// The note goes from the screen, if one shows at that window (any window for 0).
void HideShownNote(uint32_t window_id);

// A unit reached by the keyboard shows this text as a note; nothing for an empty text.
void ShowNoteForKeyboard(RuntimeWindow& window, const RuntimeRecord& unit, std::string text);

// The face's services, as FrameServices took them.
const FaceServices& FaceOfServices();
// SystemCall 6: the main thread noted, the face's own start, then the program's parts taken in.
void InitializeRuntime();
// Runtime errors show the face's box, then end through the termination sequence with the
// exit procedure forgotten.
void InstallRuntimeErrorReport();
