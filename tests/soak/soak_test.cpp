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
#include "tools/offscreen/play_harness.h"

namespace {

constexpr long DefaultPasses = 3000;
constexpr uint32_t Seed = 20261212;  // one whose play dies within the short soak
// The play must die and restart: once in the short soak, now and then in the long one.
constexpr long PassesPerRestart = 20000;
// A long soak travels: through most of the maze, meeting every kind of enemy in it.
constexpr long LongSoak = 50000;
constexpr size_t RoomsOfALongSoak = 40;

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

// The enemy types of the spawn points in the maze's rooms.
std::set<int32_t> typesInTheMaze() {
    std::set<int32_t> types;
    for (int32_t x = 0; x < WorldRooms; x++) {
        for (int32_t y = 0; y < WorldRooms; y++) {
            const Room& room = world->rooms[x][y];
            if (world->maze[x][y].state != CellCarved) continue;
            for (int32_t i = 0; i < room.spawnCount; i++) types.insert(room.spawns[i].enemyType);
        }
    }
    return types;
}

TEST(Soak, RandomPlayWithDeathsAndRestarts) {
    const long passes = passesToRun();
    PlayHarness game;
    ASSERT_TRUE(game.ok());
    RandomKeys keys(Seed);
    long restarts = 0;
    int32_t mostEnemies = 0;
    std::set<std::pair<int32_t, int32_t>> rooms;
    std::set<int32_t> typesMet;
    for (long pass = 0; pass < passes; pass++) {
        int32_t health = game.player().health;
        for (const InputEvent& event : keys.nextPass(platformKeyState())) game.queue(event.type, event.key);
        game.pass();
        // Nothing but a restart gives health back.
        restarts += game.player().health > health;
        std::string broken = brokenRule();
        ASSERT_EQ(broken, "") << "after pass " << pass + 1;
        int32_t enemies = 0;
        for (const Actor* enemy : world->actorSlots) {
            if (!enemy) continue;
            enemies++;
            typesMet.insert(enemy->enemyType);
        }
        if (enemies > mostEnemies) mostEnemies = enemies;
        rooms.insert({game.roomX(), game.roomY()});
    }
    std::set<int32_t> types = typesInTheMaze();
    printf(
        "soak: %ld passes, %ld restarts, %zu rooms entered, %zu of the maze's %zu enemy types met, up to %d "
        "enemies at once\n",
        passes, restarts, rooms.size(), typesMet.size(), types.size(), mostEnemies);
    EXPECT_GE(restarts, 1 + passes / PassesPerRestart) << "the play did not die often enough to test restarts";
    if (passes >= LongSoak) {
        EXPECT_GE(rooms.size(), RoomsOfALongSoak);
        EXPECT_EQ(typesMet, types);
    }

    // Room numbers truncate toward zero: x -1 is still column 0, x -700 is column -1.
    const int32_t places[][2] = {{-1, -1},      {-700, 16320},  {-5000, 16320}, {32050, 16320},
                                 {16320, -700}, {16320, 32050}, {32639, 32639}, {1000000, -1000000}};
    for (const auto& [x, y] : places) {
        Body& body = world->player.body;
        body.x = x;
        body.y = y;
        world->cameraX = x - RoomPixels / 2;  // as on a restart, so the frame looks out there too
        world->cameraY = y - RoomPixels / 2;
        for (int pass = 0; pass < 100; pass++) {  // climbs and jumps, by plain keys: no planning out there
            game.queue(pass % 2 ? EventKeyUp : EventKeyDown, pass % 20 < 10 ? KeyUp : KeySpace);
            game.pass();
        }
        // Every cell out there reads as a wall, and no room out there brings enemies in.
        EXPECT_EQ(body.x / RoomPixels, x / RoomPixels) << x << ", " << y;
        for (const Actor* enemy : world->actorSlots) EXPECT_EQ(enemy, nullptr) << x << ", " << y;
    }
}

}  // namespace
