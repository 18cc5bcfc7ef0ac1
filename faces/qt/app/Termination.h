#pragma once
// The Linux face's part of the end (the sequence itself is the frame's TerminateRuntime): the
// relay that carries other threads' end requests to the main thread.
#include <cstdint>

// The hidden relay the end requests of other threads are queued to; made by start-up.
void CreateRelay();
// Runs EndProgram(code) on the main thread through the relay and waits for it.
void HandToMainThread(int32_t code);
// The face's remaining resources: the idle registrations and the relay.
void ReleaseFaceResources();
