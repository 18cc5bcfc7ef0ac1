#include "core/frame/FrameState.h"

FrameState& TheFrame()
{
    static FrameState frame;
    return frame;
}

void Emit(FrameAction action) { TheFrame().outbox.push_back(std::move(action)); }

FrameCall::~FrameCall()
{
    FrameState& frame = TheFrame();
    if (frame.depth > 1) {
        --frame.depth;
        return;
    }
    // Still held while delivering, so what carrying an action decides queues behind the rest.
    while (!frame.outbox.empty()) {
        const FrameAction action = std::move(frame.outbox.front());
        frame.outbox.pop_front();
        if (frame.face.carry != nullptr)
            frame.face.carry(action);
    }
    --frame.depth;
}

void SetFrameFace(const FrameFace& face) { TheFrame().face = face; }
