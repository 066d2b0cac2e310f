// The cue player's own numbers: pan, fall-off, levels, repeats and the beds' cross-fade.
#include <gtest/gtest.h>

#include <cmath>

#include "shell/sound_mix.h"

namespace {

float db(float gain) { return 20 * std::log10(gain); }

TEST(SoundMix, PansWithConstantPowerAndNeverEmptiesAnEar) {
    const float near = 0.96989f, far = 0.24363f, centre = 0.70711f;  // at the edges, 12 dB apart
    // clang-format off
    const float rows[][3] = {{-400, near, far}, {0, near, far}, {160, 0.86992f, 0.49319f}, {320, centre, centre},
                             {640, far, near}, {1000, far, near}};  // screen x, left, right
    // clang-format on
    for (const auto& row : rows) {
        EarGains gains = panGains(int32_t(row[0]));
        EXPECT_NEAR(gains.left, row[1], 1e-4) << row[0];
        EXPECT_NEAR(gains.right, row[2], 1e-4) << row[0];
    }
}

TEST(SoundMix, FallsSilentHalfAScreenBeyondEachEdgeOfTheView) {
    // clang-format off
    const float rows[][3] = {  // screen x, screen y, heard
        {0, 0, 1}, {640, 480, 1}, {-160, 240, 0.5f}, {800, 240, 0.5f}, {320, -160, 0.5f}, {320, 640, 0.5f},
        {-320, 240, 0}, {960, 240, 0}, {320, -320, 0}, {320, 800, 0}, {2000, 9, 0},
        {-319, 240, 0.003125f}, {959, 240, 0.003125f}, {320, -319, 0.003125f}, {320, 799, 0.003125f}};
    // clang-format on
    for (const auto& row : rows) {
        EXPECT_NEAR(audibility(int32_t(row[0]), int32_t(row[1])), row[2], 1e-6) << row[0] << "," << row[1];
    }
}

TEST(SoundMix, FrequentSoundsSitBelowTheRareOnesThatMatter) {
    for (int32_t often : {CuePlayerShot, CueEnemyShot, CueShotHitsWall, CueJump, CueLanding}) {
        for (int32_t seldom : {CuePlayerHurt, CueRestart, CueEnemyDies}) {
            EXPECT_LT(db(cueLevel(often)) + 2.5f, db(cueLevel(seldom))) << often << " " << seldom;
        }
    }
}

TEST(SoundMix, RepeatsFromTheSamePlaceSoonAfterPlayQuieter) {
    // In order: 4.2 s apart, a sentry's shots soften to -9 dB; far enough in place or time they do not.
    // clang-format off
    const long rows[][5] = {  // cue, x, y, pass, dB
        {CueEnemyShot, 100, 100, 0, 0}, {CueEnemyShot, 100, 100, 84, -3}, {CueShotHitsWall, 100, 100, 85, 0},
        {CueEnemyShot, 132, 68, 168, -6}, {CueEnemyShot, 100, 100, 252, -9}, {CueEnemyShot, 100, 100, 336, -9},
        {CueEnemyShot, 133, 100, 337, 0}, {CueEnemyShot, 133, 100, 457, -3}, {CueEnemyShot, 133, 100, 578, 0},
        {CueEnemyShot, 133, 133, 579, 0}, {CueEnemyShot, 133, 100, 580, 0}};
    // clang-format on
    RepeatMemory memory;
    forgetRepeats(&memory);
    for (const auto& row : rows) {
        float gain = repeatGain(&memory, int32_t(row[0]), int32_t(row[1]), int32_t(row[2]), row[3]);
        EXPECT_NEAR(db(gain), row[4], 1e-3) << row[3];
    }
}

TEST(SoundMix, BedsCrossFadeOverASecond) {
    float volumes[2] = {0, 0};
    const float rows[][4] = {{0, 20, 1, 0}, {1, 10, 0.5f, 0.5f}, {1, 10, 0, 1}};  // heard, passes, volumes after
    for (const auto& row : rows) {
        for (int pass = 0; pass < row[1]; pass++) fadeBeds(volumes, 2, int32_t(row[0]));
        EXPECT_NEAR(volumes[0], row[2], 1e-5);
        EXPECT_NEAR(volumes[1], row[3], 1e-5);
    }
}

}  // namespace
