// Sounds raised by actors. They go out through the platform and come back as nothing
// the simulation reads, so a pass moves the same with sound or without it.
#pragma once
#include "actors/body.h"
#include "shell/platform.h"

inline void cueFrom(int32_t cue, const Body& body) {
    platformCue(cue, body.x + body.width / 2, body.y + body.height / 2);
}
