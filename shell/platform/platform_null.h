// Controls of the null platform, for tests and tools.
#pragma once
#include "shell/platform.h"

// Queues an event for the next pass's drain.
void nullPlatformQueue(InputEvent event);
// No pending events, no key held.
void nullPlatformReset();
long nullPlatformSwapCount();
