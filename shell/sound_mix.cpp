#include "shell/sound_mix.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "shell/numbers.h"

namespace {

constexpr int32_t FadeDistance = ScreenWidth / 2;  // silent half a screen beyond the view, where shots end
constexpr float HalfPi = 1.5707963f;

// In dB. The frequent sounds sit lowest, the rare ones that matter highest; every file
// is balanced to the same loudness, so these are what the player hears between them.
// clang-format off
constexpr float LevelDb[CueCount] = {
    -5,  // player's shot
    -6,  // enemy's shot
    -5,  // shot striking a wall (its file is 3 dB quieter, held by its sharp peaks)
    -3,  // block breaking
    -4,  // enemy hit
    -1,  // enemy dying
    0,   // player hurt
    0,   // restart
    -5,  // jump
    -6,  // landing
    -3,  // enemies appearing
};
// clang-format on

constexpr long RepeatPasses = 120;     // 6 s: a sentry's shots, 4.2 s apart, are repeats
constexpr int32_t RepeatReach = 32;    // pixels: the same place
constexpr float RepeatStepDb = 3.f;    // quieter per repeat in a row
constexpr int32_t MostRepeats = 3;     // so at most 9 dB quieter
constexpr int32_t BedFadePasses = 20;  // 1 s

float gainOfDb(float db) { return std::pow(10.f, db / 20); }

}  // namespace

EarGains panGains(int32_t screenX) {
    // The angle where the far ear's gain is EdgeSpreadDb below the near one's.
    float edge = std::atan(gainOfDb(-EdgeSpreadDb));
    float place = std::clamp(float(screenX) / ScreenWidth, 0.f, 1.f);
    float angle = edge + place * (HalfPi - 2 * edge);
    return EarGains{std::cos(angle), std::sin(angle)};
}

float audibility(int32_t screenX, int32_t screenY) {
    int32_t outside = std::max({0, -screenX, screenX - ScreenWidth, -screenY, screenY - ScreenHeight});
    return std::max(0.f, 1.f - float(outside) / FadeDistance);
}

float cueLevel(int32_t cue) { return gainOfDb(LevelDb[cue]); }

void forgetRepeats(RepeatMemory* memory) {
    std::fill(memory->pass, memory->pass + CueCount, -RepeatPasses - 1);
    std::fill(memory->repeats, memory->repeats + CueCount, 0);
}

float repeatGain(RepeatMemory* memory, int32_t cue, int32_t x, int32_t y, long pass) {
    bool repeat = pass - memory->pass[cue] <= RepeatPasses && std::abs(x - memory->x[cue]) <= RepeatReach &&
                  std::abs(y - memory->y[cue]) <= RepeatReach;
    int32_t& repeats = memory->repeats[cue];
    repeats = repeat ? std::min(repeats + 1, MostRepeats) : 0;
    memory->pass[cue] = pass;
    memory->x[cue] = x;
    memory->y[cue] = y;
    return gainOfDb(-RepeatStepDb * repeats);
}

void fadeBeds(float* volumes, int32_t count, int32_t heard) {
    for (int32_t bed = 0; bed < count; bed++) {
        float step = bed == heard ? 1.f / BedFadePasses : -1.f / BedFadePasses;
        volumes[bed] = std::clamp(volumes[bed] + step, 0.f, 1.f);
    }
}
