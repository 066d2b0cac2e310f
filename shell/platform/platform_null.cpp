// The platform twin for tests and tools: events come from a script, nothing waits or shows.
#include "shell/platform/platform_null.h"

#include <cstddef>
#include <deque>

namespace {

uint8_t keyState[KeyStateSize];
std::deque<InputEvent> pending;  // not yet handed out
size_t applied = 0;              // leading entries of pending already in keyState
long swaps = 0;
long passes = 0;
std::vector<HeardCue> cues;

void applyToKeyState(const InputEvent& event) {
    if (event.key < 0 || event.key >= KeyStateSize) return;
    if (event.type == EventKeyDown) keyState[event.key] = 1;
    if (event.type == EventKeyUp) keyState[event.key] = 0;
}

}  // namespace

uint8_t* platformKeyState() { return keyState; }

// Like SDL's pumping: every queued change reaches the key state before the first event is handled.
bool platformPollEvent(InputEvent* event) {
    for (; applied < pending.size(); applied++) applyToKeyState(pending[applied]);
    if (pending.empty()) return false;
    *event = pending.front();
    pending.pop_front();
    applied--;
    return true;
}

void platformDelay(uint32_t) {}

void platformSwapBuffers() { swaps++; }

void platformCue(int32_t cue, int32_t x, int32_t y) { cues.push_back(HeardCue{passes, cue, x, y}); }

void platformPlayCues(int32_t, int32_t) { passes++; }

void nullPlatformQueue(InputEvent event) { pending.push_back(event); }

void nullPlatformReset() {
    pending.clear();
    applied = 0;
    for (uint8_t& key : keyState) key = 0;
    cues.clear();
    passes = 0;
}

long nullPlatformSwapCount() { return swaps; }

const std::vector<HeardCue>& nullPlatformCues() { return cues; }
