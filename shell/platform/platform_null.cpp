// The platform twin for tests and tools: events come from a script, nothing waits or shows.
#include "shell/platform/platform_null.h"

#include "shell/platform/event_queue.h"

namespace {

EventQueue events;
long swaps = 0;

}  // namespace

uint8_t* platformKeyState() { return events.keyState; }

bool platformPollEvent(InputEvent* event) { return takeEvent(&events, event); }

void platformDelay(uint32_t) {}

void platformSwapBuffers() { swaps++; }

void nullPlatformQueue(InputEvent event) { queueEvent(&events, event); }

void nullPlatformReset() { clearEvents(&events); }

long nullPlatformSwapCount() { return swaps; }
