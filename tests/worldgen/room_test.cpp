#include <gtest/gtest.h>

#include <cstring>

#include "actors/collision.h"
#include "tests/support/test_world.h"
#include "worldgen/world_setup.h"

namespace {

int8_t collisionByte(int32_t offset) { return (&world->collisionGrid[0][0])[offset]; }

TEST(InstantiateRoom, WritesOnlyItsOwnCollisionBlock) {
    struct Case {
        int32_t roomX, roomY, row, col, code;
        int32_t offset;  // worked out by hand: (roomY * 20 + row) * 1000 + roomX * 20 + col
        int8_t cls;
    };
    const Case cases[] = {
        {3, 2, 5, 7, 8, 45067, 1},
        {2, 4, 3, 7, 69, 83047, 5},
        {0, 0, 0, 0, 32, 0, 8},
        {49, 49, 19, 19, 6, 999999, 3},
        {49, 0, 0, 19, 85, 999, 4},
        {0, 49, 19, 0, 127, 999000, 6},
    };
    TestWorld testWorld;
    for (const Case& c : cases) {
        memset(world->collisionGrid, 0x7f, sizeof world->collisionGrid);
        RoomTemplate roomTemplate{};
        roomTemplate.tiles[c.row][c.col] = c.code;
        roomTemplate.doorMask = 5;
        instantiateRoom(roomTemplate, c.roomX, c.roomY);

        const Room& room = world->rooms[c.roomX][c.roomY];
        EXPECT_EQ(room.tiles[c.row][c.col], c.code);
        EXPECT_EQ(room.doorMask, 5);
        EXPECT_EQ(collisionByte(c.offset), c.cls) << "code " << c.code;
        // The marked cell holds its class, the rest of the room's block class 0, the world around it stays.
        int32_t blockTop = c.roomY * RoomTiles, blockLeft = c.roomX * RoomTiles;
        for (int32_t row = 0; row < WorldTiles; row++) {
            for (int32_t col = 0; col < WorldTiles; col++) {
                bool inBlock = row >= blockTop && row < blockTop + RoomTiles && col >= blockLeft && col < blockLeft + RoomTiles;
                int8_t expected = !inBlock ? 0x7f : row * WorldTiles + col == c.offset ? c.cls : 0;
                if (world->collisionGrid[row][col] != expected) {
                    ADD_FAILURE() << "cell " << row << "," << col << " for room " << c.roomX << "," << c.roomY;
                    return;
                }
            }
        }
    }
}

TEST(InstantiateRoom, PlacesSpawnPointsInTheWorld) {
    TestWorld testWorld;
    world->rooms[25][25].spawnCount = 7;
    SpawnPoint spawns[] = {{100, 600, 4, 1, 1}, {0, 0, 17, 0, 0}, {639, 639, 8, 1, 1}};
    RoomTemplate roomTemplate{};
    roomTemplate.spawns = spawns;
    roomTemplate.spawnCount = 3;
    instantiateRoom(roomTemplate, 25, 25);

    const Room& room = world->rooms[25][25];
    ASSERT_EQ(room.spawnCount, 3);
    const SpawnPoint expected[] = {{16100, 16600, 4, 1, 1}, {16000, 16000, 17, 0, 0}, {16639, 16639, 8, 1, 1}};
    for (int32_t i = 0; i < 3; i++) {
        EXPECT_EQ(room.spawns[i].x, expected[i].x) << i;
        EXPECT_EQ(room.spawns[i].y, expected[i].y) << i;
        EXPECT_EQ(room.spawns[i].enemyType, expected[i].enemyType) << i;
        EXPECT_EQ(room.spawns[i].facingLeft, expected[i].facingLeft) << i;
        EXPECT_EQ(room.spawns[i].armed, expected[i].armed) << i;
    }
    EXPECT_EQ(spawns[0].x, 100) << "the template keeps its own numbers";

    // A point in room (3, 1) moves by that room's origin, not the other way round.
    instantiateRoom(roomTemplate, 3, 1);
    EXPECT_EQ(world->rooms[3][1].spawns[0].x, 2020);
    EXPECT_EQ(world->rooms[3][1].spawns[0].y, 1240);
}

TEST(CollisionClasses, SpotChecksOfTheTileCodeTable) {
    struct Case {
        int32_t code;
        int8_t cls;
    };
    const Case cases[] = {{0, 0},  {3, 9},   {6, 3},  {7, 2},  {8, 1},  {16, 0},  {32, 8},  {33, 9},
                          {48, 0}, {51, 7},  {64, 3}, {65, 2}, {66, 0}, {69, 5},  {73, 6},  {79, 6},
                          {85, 4}, {86, 0},  {101, 4}, {102, 6}, {105, 6}, {117, 4}, {124, 6}, {127, 6}};
    for (const Case& c : cases) EXPECT_EQ(conv[c.code], c.cls) << "code " << c.code;

    struct Only {
        int8_t cls;
        int32_t code;
    };
    for (const Only only : {Only{ClassBreakable, 32}, Only{ClassLadderTop, 69}}) {
        for (int32_t code = 0; code < 128; code++) {
            EXPECT_EQ(conv[code] == only.cls, code == only.code) << "code " << code;
        }
    }
}

}  // namespace
