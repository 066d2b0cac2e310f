// Rooms of the world, made from the templates the maze chose.
#pragma once
#include <cstdint>
#include "shell/numbers.h"
#include "content/spawn_point.h"

struct RoomTemplate;

struct Room {
    int32_t tiles[RoomTiles][RoomTiles];  // [row][col] tile codes, 0 = empty
    int32_t doorMask;                     // 1 right, 2 left, 4 up, 8 down
    int32_t spawnCount;
    SpawnPoint spawns[MaxSpawns];
};

// Collision class of each tile code.
extern const int8_t conv[128];

// Room (x, y) and its collision cells from one template.
void instantiateRoom(const RoomTemplate& roomTemplate, int32_t x, int32_t y);

// Every room of the grid from the template the maze chose for its cell; a cell
// without one gets an open room with the cell's doors. Needs no GL context.
void buildRooms();
