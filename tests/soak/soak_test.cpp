// Long random play on the real World and the main loop's own pass, built with the
// address, undefined-behaviour and leak sanitizers: any report ends the run. Then the
// player is put outside the world: no pass may read a room outside the grid.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "actors/player_tuning.h"
#include "tests/soak/random_keys.h"
#include "tests/support/play_harness.h"

namespace {

constexpr long DefaultPasses = 3000;
constexpr uint32_t Seed = 20261207;
// The play must die and restart: once in the short soak, now and then in the long one.
constexpr long PassesPerRestart = 20000;

long passesToRun() {
    const char* text = std::getenv("SOAK_PASSES");
    long passes = text ? std::atol(text) : 0;
    return passes > 0 ? passes : DefaultPasses;
}

// What every pass must leave true; empty when it does.
std::string brokenRule() {
    auto frameFits = [](const Actor& actor) {
        return actor.anim >= 0 && actor.anim < world->animationCount && actor.frame >= 0 &&
               actor.frame < world->animations[actor.anim].frameCount;
    };
    const Player& player = world->player;
    if (!frameFits(player)) return "the player's frame lies outside its animation";
    if (player.health > PlayerFullHealth) return "the player has more than full health";
    int32_t roomX = roomOf(player.body.x), roomY = roomOf(player.body.y);
    for (const Actor* enemy : world->actorSlots) {
        if (!enemy) continue;
        if (!frameFits(*enemy)) return "an enemy's frame lies outside its animation";
        if (std::abs(roomOf(enemy->body.x) - roomX) > 1 || std::abs(roomOf(enemy->body.y) - roomY) > 1) {
            return "an enemy more than a room away is still in play";
        }
    }
    for (const Projectile& projectile : world->projectiles) {
        if (projectile.type != ProjectileFree && (projectile.type < 0 || projectile.type >= ProjectileTypeCount)) {
            return "a projectile has no type of the table";
        }
    }
    return "";
}

TEST(Soak, RandomPlayWithDeathsAndRestarts) {
    const long passes = passesToRun();
    PlayHarness game;
    ASSERT_TRUE(game.ok());
    RandomKeys keys(Seed);
    long restarts = 0;
    int32_t mostEnemies = 0;
    std::set<std::pair<int32_t, int32_t>> rooms;
    for (long pass = 0; pass < passes; pass++) {
        int32_t health = game.player().health;
        for (const InputEvent& event : keys.nextPass(platformKeyState())) game.queue(event.type, event.key);
        game.pass();
        // Nothing but a restart gives health back.
        restarts += game.player().health > health;
        std::string broken = brokenRule();
        ASSERT_EQ(broken, "") << "after pass " << pass + 1;
        int32_t enemies = 0;
        for (const Actor* enemy : world->actorSlots) enemies += enemy != nullptr;
        if (enemies > mostEnemies) mostEnemies = enemies;
        rooms.insert({game.roomX(), game.roomY()});
    }
    printf("soak: %ld passes, %ld restarts, %zu rooms entered, up to %d enemies at once\n", passes, restarts,
           rooms.size(), mostEnemies);
    EXPECT_GE(restarts, 1 + passes / PassesPerRestart) << "the play did not die often enough to test restarts";

    // Room numbers truncate toward zero: x -1 is still column 0, x -700 is column -1.
    const int32_t places[][2] = {{-1, -1},     {-700, 16320}, {-5000, 16320}, {32050, 16320},
                                 {16320, -700}, {16320, 32050}, {32639, 32639}, {1000000, -1000000}};
    for (const auto& [x, y] : places) {
        Body& body = world->player.body;
        body.x = x;
        body.y = y;
        world->cameraX = x - RoomPixels / 2;  // as on a restart, so the frame looks out there too
        world->cameraY = y - RoomPixels / 2;
        for (int pass = 0; pass < 100; pass++) {
            for (const InputEvent& event : keys.nextPass(platformKeyState())) game.queue(event.type, event.key);
            game.pass();
        }
        // Every cell out there reads as a wall, and no room out there brings enemies in.
        EXPECT_EQ(body.x / RoomPixels, x / RoomPixels) << x << ", " << y;
        for (const Actor* enemy : world->actorSlots) EXPECT_EQ(enemy, nullptr) << x << ", " << y;
    }
}

}  // namespace
