// The player put outside the world and played on: the camera, the spawning and the
// frame find their rooms by its position, and none may read a room outside the grid.
// Built with the bounds sanitizer, an index past either end of rooms stops the run.
#include <gtest/gtest.h>

#include "tests/soak/random_keys.h"
#include "tests/support/play_harness.h"

namespace {

constexpr uint32_t Seed = 7;
constexpr int PassesAtEachPlace = 100;

struct Place {
    const char* name;
    int32_t x, y;
};

TEST(OutsideTheWorld, PassesReadNoRoomOutsideTheGrid) {
    // Room numbers truncate toward zero: x -1 is still column 0, x -700 is column -1.
    const Place places[] = {
        {"beyond the top-left corner", -1, -1}, {"left of the world", -700, 16320},
        {"far left", -5000, 16320},             {"right of the world", 32050, 16320},
        {"above the world", 16320, -700},       {"below the world", 16320, 32050},
        {"bottom-right corner room", 32639, 32639}, {"far off", 1000000, -1000000},
    };
    PlayHarness game;
    ASSERT_TRUE(game.ok());
    RandomKeys keys(Seed);
    for (const Place& place : places) {
        Body& body = world->player.body;
        body.x = place.x;
        body.y = place.y;
        // The camera comes along, as on a restart, so the frame looks out there too.
        world->cameraX = place.x - RoomPixels / 2;
        world->cameraY = place.y - RoomPixels / 2;
        for (int pass = 0; pass < PassesAtEachPlace; pass++) {
            for (const InputEvent& event : keys.nextPass(platformKeyState())) game.queue(event.type, event.key);
            game.pass();
        }
        // Every cell out there reads as a wall: the player stays out, and no room out
        // there has enemies to bring in.
        EXPECT_EQ(body.x / RoomPixels, place.x / RoomPixels) << place.name;
        for (const Actor* enemy : world->actorSlots) EXPECT_EQ(enemy, nullptr) << place.name;
    }
}

}  // namespace
