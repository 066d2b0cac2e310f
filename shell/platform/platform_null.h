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
// Asks for a pause that goes on for the given number of waits, then ends, or quits if Escape or a quit
// request is queued.
void nullPlatformAskPause(int32_t waits);
// No pending events, no key held, no cues, pass count zero, no pause.
void nullPlatformReset();
long nullPlatformSwapCount();
// Every cue raised since the last reset, in order.
const std::vector<HeardCue>& nullPlatformCues();
