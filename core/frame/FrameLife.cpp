// The run's life in the frame: a close request and the end after the last window, and the idle
// periods of the message loop:
//   - a period starts when the loop is entered and with every piece of user activity;
//   - each pass while nothing waits calls the idle registrations (last first) and the idle
//     handler with the pass count, and the idle phase ends when the handler says so;
//   - the handler first lets the face's own idle work run, then, from the third pass, raises
//     every loaded window's event 7 with the milliseconds since the period began; a window
//     that does not answer true is done until the next period.
#include <algorithm>

#include "core/frame/Frame.h"
#include "core/frame/FrameState.h"
#include "core/runtime/EventDispatch.h"
#include "core/runtime/LoadSequence.h"

namespace {

bool AnyWindowLoaded()
{
    return std::any_of(Windows().begin(), Windows().end(),
                       [](const RuntimeWindow& window) { return window.loaded; });
}

// The window's units go; with the last window, and the loop entered, the run ends with 0.
void LetWindowGo(RuntimeWindow& window)
{
    HideShownNote(window.id);
    Emit({.kind = FrameAction::Kind::CloseWindow, .window_id = window.id});
    ReleaseWindow(window);
    if (TheFrame().loop_entered && !AnyWindowLoaded())
        Emit({.kind = FrameAction::Kind::Quit, .status = 0});
}

// One window's idle event; true when its handler asks for more idle time.
bool RaiseIdle(uint32_t window_id, uint64_t elapsed)
{
    EventRecord record;
    record.window_id = window_id;
    record.event = kEventIdle;
    record.arg_count = 1;
    record.args[0] = uint32_t(std::min<uint64_t>(elapsed, UINT32_MAX));
    DispatchEvent(record);
    return record.has_result != 0 && record.result != 0;
}

bool IdleHandler(uint64_t now_ms)
{
    FrameState& frame = TheFrame();
    const int count = frame.idle_count;
    if (count == 0) {
        frame.period_start = now_ms;
        frame.idle_finished.clear();
        frame.standard_work_pending = true;
    }
    if (frame.standard_work_pending) {
        frame.standard_work_pending = frame.face.standard_idle_work != nullptr &&
                                      frame.face.standard_idle_work(count);
        return true;
    }
    if (count < 2)
        return true;
    std::vector<uint32_t> ids;
    for (const RuntimeWindow& window : Windows()) {
        if (window.loaded && std::find(frame.idle_finished.begin(), frame.idle_finished.end(), window.id) ==
                                 frame.idle_finished.end())
            ids.push_back(window.id);
    }
    bool wants_more = false;
    for (const uint32_t id : ids) {
        const RuntimeWindow* window = FindWindow(id);
        if (window == nullptr || !window->loaded)
            continue;  // an earlier window's handler closed it
        if (RaiseIdle(id, now_ms - frame.period_start))
            wants_more = true;
        else
            TheFrame().idle_finished.push_back(id);
    }
    return wants_more;
}

}  // namespace

bool FrameCloseRequest(uint32_t window_id)
{
    const FrameCall call;
    RuntimeWindow* window = FindWindow(window_id);
    if (window == nullptr || !window->loaded || window->records.empty())
        return false;
    EventRecord record;
    record.window_id = window_id;
    record.unit_id = window->records.front().id;
    record.event = kEventCloseRequest;
    DispatchEvent(record);
    // The procedure may have let the window go meanwhile; a result of 0 keeps it open.
    window = FindWindow(window_id);
    if (window == nullptr || !window->loaded || (record.has_result != 0 && record.result == 0))
        return false;
    LetWindowGo(*window);
    return true;
}

void FrameWindowGone(uint32_t window_id)
{
    const FrameCall call;
    if (RuntimeWindow* window = FindWindow(window_id); window != nullptr && window->loaded)
        LetWindowGo(*window);
}

void FrameLoopEntered()
{
    const FrameCall call;
    TheFrame().loop_entered = true;
    FrameActivity();
}

bool FrameLoopWasEntered() { return TheFrame().loop_entered; }

void FrameActivity() { TheFrame().idle_count = 0; }

bool FrameIdlePass(uint64_t now_ms)
{
    const FrameCall call;
    FrameState& frame = TheFrame();
    if (frame.face.idle_registrations != nullptr)
        frame.face.idle_registrations();
    const bool more = IdleHandler(now_ms);
    ++frame.idle_count;
    return more;
}
