// Which sounds a real play raises, in which pass and from where: the route's keys go
// through the main loop's own pass, and the null platform notes every cue.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "shell/platform/platform_null.h"
#include "tools/offscreen/play_harness.h"

namespace {

struct KeyStep {
    long pass;
    int32_t type;
    int32_t key;
};

constexpr int32_t Down = EventKeyDown;
constexpr int32_t Up = EventKeyUp;
constexpr int32_t Fire = KeyLeftControl;

// Lands, walks right into the next room, shoots its walker twice and the crates on, jumps
// onto the stack by the wall and steps back into the hole under the hovering shooter,
// whose shots take the player's health and then its life.
const KeyStep route[] = {
    {25, Down, KeyRight}, {66, Up, KeyRight},    {68, Down, Fire},      {69, Up, Fire},        {80, Down, Fire},
    {81, Up, Fire},       {92, Down, Fire},      {93, Up, Fire},        {100, Down, KeyRight}, {130, Up, KeyRight},
    {132, Down, Fire},    {133, Up, Fire},       {140, Down, Fire},     {141, Up, Fire},       {150, Down, Fire},
    {151, Up, Fire},      {160, Down, KeyRight}, {200, Down, KeySpace}, {230, Up, KeySpace},   {235, Up, KeyRight},
    {270, Down, KeyLeft}, {277, Up, KeyLeft},
};

// Each cue's first sounding on the route: the pass and the place it comes from.
const HeardCue firstHeard[] = {
    {18, CueLanding, 16335, 16513},      {64, CueEnemiesAppear, 16976, 16383}, {68, CuePlayerShot, 16683, 16513},
    {71, CueEnemyHit, 16752, 16513},     {84, CueEnemyDies, 16768, 16513},     {104, CueEnemyShot, 17141, 16228},
    {119, CueBlockBreaks, 17131, 16513}, {168, CueShotHitsWall, 17227, 16513}, {200, CueJump, 17072, 16513},
    {296, CuePlayerHurt, 17144, 16417},  {906, CueRestart, 16335, 16350},
};

}  // namespace

TEST(SoundCues, EveryEventOnARoutePlayedByKeysSoundsInItsPassFromItsPlace) {
    PlayHarness game;
    ASSERT_TRUE(game.ok());
    for (long pass = 1; pass <= firstHeard[CueCount - 1].pass; pass++) {
        for (const KeyStep& step : route) {
            if (step.pass == pass) game.queue(step.type, step.key);
        }
        game.pass();
    }
    const std::vector<HeardCue>& heard = nullPlatformCues();
    for (const HeardCue& expected : firstHeard) {
        SCOPED_TRACE("cue " + std::to_string(expected.cue));
        auto first = std::find_if(heard.begin(), heard.end(), [&](const HeardCue& c) { return c.cue == expected.cue; });
        ASSERT_NE(first, heard.end());
        EXPECT_EQ(first->pass, expected.pass);
        EXPECT_EQ(first->x, expected.x);
        EXPECT_EQ(first->y, expected.y);
    }
}
