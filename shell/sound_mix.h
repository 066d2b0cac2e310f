// The numbers of the mix, apart from SDL: which ear hears a cue how loud, how far it
// carries, each effect's level, repeats softened, and the scenery sets' beds faded.
#pragma once
#include <cstdint>

#include "shell/platform.h"

struct EarGains {
    float left, right;  // 0..1
};

// Constant power across the view (left² + right² = 1), by the source's screen x; at either
// edge and beyond it the far ear stays EdgeSpreadDb below the near one, never emptied.
constexpr float EdgeSpreadDb = 12.f;
EarGains panGains(int32_t screenX);

// 1 inside the view, falling linearly to 0 at FadeDistance beyond its nearest edge.
float audibility(int32_t screenX, int32_t screenY);

// Each effect's level as a gain, set by how loud it sounds and how often it plays.
float cueLevel(int32_t cue);

// The last of each effect: a repeat from the same place soon after plays quieter.
struct RepeatMemory {
    long pass[CueCount];
    int32_t x[CueCount], y[CueCount];
    int32_t repeats[CueCount];  // in a row, so far
};
void forgetRepeats(RepeatMemory* memory);
// The gain of the cue raised now, in the given pass, noted for the next one.
float repeatGain(RepeatMemory* memory, int32_t cue, int32_t x, int32_t y, long pass);

// One pass of the beds' cross-fade: the heard scenery set's bed rises, every other falls.
void fadeBeds(float* volumes, int32_t count, int32_t heard);
