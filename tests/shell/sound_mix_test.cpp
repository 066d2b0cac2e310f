// The cue player's own numbers: the pan, the fall-off beyond the view, the levels,
// repeats softened and the beds' cross-fade.
#include <gtest/gtest.h>

#include <cmath>

#include "shell/sound_mix.h"

namespace {

float db(float gain) { return 20 * std::log10(gain); }

TEST(SoundMix, PansWithConstantPowerAndNeverEmptiesAnEar) {
    const float edgeNear = 0.96989f, edgeFar = 0.24363f, centre = 0.70711f;  // far ear 12 dB below
    const struct {
        int32_t screenX;
        float left, right;
    } rows[] = {
        {-400, edgeNear, edgeFar}, {0, edgeNear, edgeFar},   {160, 0.86992f, 0.49319f},
        {320, centre, centre},     {640, edgeFar, edgeNear}, {1000, edgeFar, edgeNear},
    };
    for (const auto& row : rows) {
        EarGains gains = panGains(row.screenX);
        EXPECT_NEAR(gains.left, row.left, 1e-4) << row.screenX;
        EXPECT_NEAR(gains.right, row.right, 1e-4) << row.screenX;
    }
}

TEST(SoundMix, FallsSilentHalfAScreenBeyondEachEdgeOfTheView) {
    const struct {
        int32_t screenX, screenY;
        float heard;
    } rows[] = {
        {0, 0, 1},
        {640, 480, 1},
        {-160, 240, 0.5f},
        {800, 240, 0.5f},
        {320, -160, 0.5f},
        {320, 640, 0.5f},
        {-320, 240, 0},
        {960, 240, 0},
        {320, -320, 0},
        {320, 800, 0},
        {-319, 240, 1 / 320.f},
        {959, 240, 1 / 320.f},
        {320, -319, 1 / 320.f},
        {320, 799, 1 / 320.f},
        {2000, 9, 0},
    };
    for (const auto& row : rows) {
        EXPECT_NEAR(audibility(row.screenX, row.screenY), row.heard, 1e-6) << row.screenX << "," << row.screenY;
    }
}

TEST(SoundMix, FrequentSoundsSitBelowTheRareOnesThatMatter) {
    const int32_t frequent[] = {CuePlayerShot, CueEnemyShot, CueShotHitsWall, CueJump, CueLanding};
    const int32_t rare[] = {CuePlayerHurt, CueRestart, CueEnemyDies};
    for (int32_t often : frequent) {
        for (int32_t seldom : rare)
            EXPECT_LT(db(cueLevel(often)) + 2.5f, db(cueLevel(seldom))) << often << " " << seldom;
    }
}

TEST(SoundMix, RepeatsFromTheSamePlaceSoonAfterPlayQuieter) {
    // In order, on one memory: a sentry's shots 4.2 s apart soften to 9 dB below, and
    // recover once a shot is far enough in place or time; other effects keep their own count.
    const struct {
        int32_t cue, x, y;
        long pass;
        float db;
    } rows[] = {
        {CueEnemyShot, 100, 100, 0, 0},   {CueEnemyShot, 100, 100, 84, -3},  {CueShotHitsWall, 100, 100, 85, 0},
        {CueEnemyShot, 132, 68, 168, -6}, {CueEnemyShot, 100, 100, 252, -9}, {CueEnemyShot, 100, 100, 336, -9},
        {CueEnemyShot, 133, 100, 337, 0}, {CueEnemyShot, 133, 100, 457, -3}, {CueEnemyShot, 133, 100, 578, 0},
        {CueEnemyShot, 133, 133, 579, 0}, {CueEnemyShot, 133, 100, 580, 0},
    };
    RepeatMemory memory;
    forgetRepeats(&memory);
    for (const auto& row : rows) {
        EXPECT_NEAR(db(repeatGain(&memory, row.cue, row.x, row.y, row.pass)), row.db, 1e-3) << row.pass;
    }
}

TEST(SoundMix, BedsCrossFadeOverASecond) {
    float volumes[2] = {0, 0};
    for (int pass = 1; pass <= 20; pass++) fadeBeds(volumes, 2, 0);
    EXPECT_FLOAT_EQ(volumes[0], 1);
    for (int pass = 1; pass <= 10; pass++) fadeBeds(volumes, 2, 1);
    EXPECT_NEAR(volumes[0], 0.5f, 1e-5);
    EXPECT_NEAR(volumes[1], 0.5f, 1e-5);
    for (int pass = 1; pass <= 10; pass++) fadeBeds(volumes, 2, 1);
    EXPECT_NEAR(volumes[0], 0, 1e-5);
    EXPECT_FLOAT_EQ(volumes[1], 1);
}

}  // namespace
