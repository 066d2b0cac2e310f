// The platform twin for tests and tools: events come from a script, nothing waits or shows.
#include "shell/platform/platform_null.h"

#include "shell/platform/event_queue.h"

namespace {

EventQueue events;
long swaps = 0;
long passes = 0;
std::vector<HeardCue> cues;

}  // namespace

uint8_t* platformKeyState() { return events.keyState; }

bool platformPollEvent(InputEvent* event) { return takeEvent(&events, event); }

void platformDelay(uint32_t, void (*)()) {}

void platformSwapBuffers() { swaps++; }

void platformCue(int32_t cue, int32_t x, int32_t y) { cues.push_back(HeardCue{passes, cue, x, y}); }

void platformPlayCues(int32_t, int32_t) { passes++; }

bool platformLoadBed(int32_t, const char*) { return true; }

void platformPlayBed(int32_t) {}

void nullPlatformQueue(InputEvent event) { queueEvent(&events, event); }

void nullPlatformReset() {
    clearEvents(&events);
    cues.clear();
    passes = 0;
}

long nullPlatformSwapCount() { return swaps; }

const std::vector<HeardCue>& nullPlatformCues() { return cues; }
