// Controls of the null platform, for tests and tools.
#pragma once
#include <vector>

#include "shell/platform.h"

struct HeardCue {
    long pass;  // counted by platformPlayCues since the last reset: the pass that raised it
    int32_t cue;
    int32_t x, y;
};

// Queues an event for the next pass's drain.
void nullPlatformQueue(InputEvent event);
// No pending events, no key held, no cues, pass count zero.
void nullPlatformReset();
long nullPlatformSwapCount();
// Every cue raised since the last reset, in order.
const std::vector<HeardCue>& nullPlatformCues();
