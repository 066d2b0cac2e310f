// The main loop's pass: the order of its steps, the keys, quitting; and the whole game's start.
#include <gtest/gtest.h>

#include <sstream>

#include "actors/behaviours.h"
#include "actors/enemy.h"
#include "actors/player_tuning.h"
#include "shell/main_loop.h"
#include "shell/pause.h"
#include "shell/platform/platform_null.h"
#include "shell/play_game.h"
#include "tests/support/content_files.h"
#include "tests/support/scenario.h"
#include "tests/support/test_world.h"
#include "tools/offscreen/offscreen_gl.h"

namespace {

constexpr int32_t Room25 = 16000;  // left and top of room (25, 25)

TEST(Pass, StepsInTheGamesOrder) {
    OffscreenGl gl;
    ASSERT_TRUE(gl.ok());
    TestWorld w;
    w->enemyTypes[3].behaviour = hoverAndShoot;
    // The player, in the air at the right edge of room (25, 25), moves into room (26, 25) this pass.
    Player& player = w->player;
    player.init(26 * 640 - 8, Room25 + 300, 0);
    player.body.vx = 8;
    player.body.vy = 10;
    w->cameraX = Room25;
    w->cameraY = Room25 + 300 - 208 - 5;
    // Room (26, 25) holds a spawn point; an enemy in room (24, 25) is two rooms from the new room;
    // one in room (26, 25) shoots this pass.
    SpawnPoint points[3] = {{26 * 640 + 300, Room25 + 600, 3, 0, 1},
                            {24 * 640 + 300, Room25 + 600, 3, 0, 1},
                            {26 * 640 + 300, Room25 + 370, 3, 0, 1}};
    w->rooms[26][25].spawnCount = 1;
    w->rooms[26][25].spawns[0] = points[0];
    w->actorSlots[10] = new Enemy(&points[1]);
    Enemy* shooter = new Enemy(&points[2]);
    w->actorSlots[11] = shooter;
    shooter->phase = 8;
    runPass();
    EXPECT_EQ(w->cameraY, Room25 + 300 - 208) << "the camera follows where the player was when the pass began";
    ASSERT_NE(w->actorSlots[1], nullptr) << "entering a room spawns its enemies";
    EXPECT_EQ(static_cast<Enemy*>(w->actorSlots[1])->moveTimers[0][1], 1) << "enemies spawn before they move";
    EXPECT_EQ(w->actorSlots[10], nullptr) << "distance counts from the room the player is in now";
    const Body& shot = w->projectiles[projectileCursor].body;
    EXPECT_EQ(shot.x, shooter->body.x + 30 + 16) << "projectiles move after the enemies, in the same pass";
}

struct KeyCase {
    const char* name;
    const char* map;
    const char* script;   // key events go through the null platform, passes through runPass
    const char* expect;   // describe() of the player, then q1 once the game quits, then shots in flight
    bool paused = false;  // the second pass's turn is a pause instead, as the loop has it
};

const KeyCase keys[] = {
    {"space jumps", "....|....|....|....|####", "1 J+ 1", "64 51 0 -16 5 14 0 q0 s0"},
    {"left runs left", "....|....|....|....|####", "1 L+ 1", "56 67 -8 0 0 1 1 q0 s0"},
    {"right runs right", "....|....|....|....|####", "1 R+ 1", "72 67 8 0 0 1 0 q0 s0"},
    {"down crouches", "....|....|....|....|####", "1 D+ 1", "64 67 0 0 2 10 0 q0 s0"},
    {"up on open ground does nothing", "....|....|....|....|####", "1 U+ 1", "64 67 0 0 0 0 0 q0 s0"},
    {"up climbs a ladder", "..H.|..H.|..H.|..H.|####", "1 U+ 1", "63 62 0 -5 12 24 0 q0 s0"},
    {"left control fires", "....|....|....|....|####", "1 F+ 1", "64 67 0 0 7 6 0 q0 s1"},
    {"escape pressed quits", "....|....|....|....|####", "1 E+ 1", "64 67 0 0 0 0 0 q1 s0"},
    {"escape released alone goes on", "....|....|....|....|####", "1 E- 1", "64 67 0 0 0 0 0 q0 s0"},
    {"a pause moves nothing and lets go of the keys", "....|....|....|....|####", "R+ 1 1 1", "72 67 0 0 1 0 0 q0 s0",
     true},
    {"escape quits from a pause", "....|....|....|....|####", "R+ 1 E+ 1", "72 67 8 0 1 1 0 q1 s0", true},
};

class KeyScenario : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyScenario, ReachesThePlayer) {
    const KeyCase& c = GetParam();
    OffscreenGl gl;
    TestWorld w;
    w.paint(500, 500, std::string(c.map));
    w->player.init(Room25 + 64, Room25 + 67, 0);
    w->cameraX = w->cameraY = Room25;
    bool quit = false;
    int passes = 0;
    runScript(c.script, {[](int32_t key, bool down) {
                             nullPlatformQueue({down ? EventKeyDown : EventKeyUp, key});
                         },
                         [&] {
                             if (c.paused && ++passes == 2) nullPlatformAskPause(1);
                             quit = !(platformPauseAsked() ? sitOutPause() : runPass()) || quit;
                         }});
    int shots = 0;
    for (const Projectile& p : w->projectiles) shots += p.type != ProjectileFree;
    std::ostringstream out;
    out << describe(w->player, Room25, Room25) << " q" << quit << " s" << shots;
    EXPECT_EQ(out.str(), c.expect) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Table, KeyScenario, ::testing::ValuesIn(keys));

TEST(Pass, AWindowCloseQuitsAndStartPlayPlacesPlayerAndCamera) {
    OffscreenGl gl;
    TestWorld w;
    startPlay();
    EXPECT_EQ(describe(w->player), "16320 16320 0 0 5 0 0");
    EXPECT_EQ(w->cameraX * 100000 + w->cameraY, StartCamera * 100000 + StartCamera);
    nullPlatformQueue({EventQuit, 0});
    EXPECT_FALSE(runPass());
    EXPECT_TRUE(runPass());
}

TEST(PlayGame, MissingContentFailsNamingTheFile) {
    ScratchDir dir;
    WorkingDirectory inside(dir.path());
    testing::internal::CaptureStderr();
    EXPECT_EQ(playGame(), 1);
    std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(errors.rfind("data/contents.txt", 0), 0u) << errors;
    EXPECT_EQ(world, nullptr);
}

}  // namespace
