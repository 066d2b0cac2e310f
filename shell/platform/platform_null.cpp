// The platform twin for tests and tools: events come from a script, nothing waits or shows.
#include "shell/platform/platform_null.h"

#include "shell/platform/event_queue.h"

namespace {

EventQueue events;
long swaps = 0;
long passes = 0;
std::vector<HeardCue> cues;
int32_t pausedWaitsLeft = -1;  // -1: no pause asked

}  // namespace

uint8_t* platformKeyState() { return events.keyState; }

bool platformPollEvent(InputEvent* event) { return takeEvent(&events, event); }

void platformDelay(uint32_t, void (*)()) {}

void platformSwapBuffers() { swaps++; }

void platformCue(int32_t cue, int32_t x, int32_t y) { cues.push_back(HeardCue{passes, cue, x, y}); }

void platformPlayCues(int32_t, int32_t) { passes++; }

bool platformLoadBed(int32_t, const char*) { return true; }

void platformPlayBed(int32_t) {}

bool platformPlayAgain() { return false; }

bool platformPauseAsked() { return pausedWaitsLeft >= 0; }

void platformEnterPause() { releaseKeys(&events); }

int32_t platformWaitPaused(uint32_t) {
    if (pausedWaitsLeft-- > 0) return PauseGoesOn;
    pausedWaitsLeft = -1;
    for (const InputEvent& event : events.pending) {
        if (event.type == EventQuit || (event.type == EventKeyDown && event.key == KeyEscape)) return PauseQuits;
    }
    return PauseEnds;
}

void nullPlatformAskPause(int32_t waits) { pausedWaitsLeft = waits; }

void nullPlatformQueue(InputEvent event) { queueEvent(&events, event); }

void nullPlatformReset() {
    clearEvents(&events);
    cues.clear();
    passes = 0;
    pausedWaitsLeft = -1;
}

long nullPlatformSwapCount() { return swaps; }

const std::vector<HeardCue>& nullPlatformCues() { return cues; }
