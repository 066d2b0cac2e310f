#include "worldgen/room.h"

#include "shell/world.h"

const int8_t conv[128] = {
    0, 0, 0, 9, 9, 9, 3, 2, 1, 1, 1, 1, 1, 1, 1, 1,  //
    0, 0, 0, 9, 9, 9, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  //
    8, 9, 9, 9, 9, 9, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  //
    0, 9, 9, 7, 7, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  //
    3, 2, 0, 7, 7, 5, 0, 0, 0, 6, 6, 6, 6, 6, 6, 6,  //
    1, 1, 1, 1, 1, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  //
    1, 1, 1, 1, 1, 4, 6, 0, 0, 6, 0, 0, 0, 0, 0, 0,  //
    1, 1, 1, 1, 1, 4, 0, 0, 0, 0, 0, 0, 6, 6, 6, 6,  //
};

void instantiateRoom(const RoomTemplate& roomTemplate, int32_t x, int32_t y) {
    Room& room = world->rooms[x][y];
    for (int32_t row = 0; row < RoomTiles; row++) {
        for (int32_t col = 0; col < RoomTiles; col++) {
            int32_t code = roomTemplate.tiles[row][col];
            room.tiles[row][col] = code;
            world->collisionGrid[y * RoomTiles + row][x * RoomTiles + col] = conv[code];
        }
    }
    room.doorMask = roomTemplate.doorMask;
    room.spawnCount = roomTemplate.spawnCount;
    for (int32_t i = 0; i < roomTemplate.spawnCount; i++) {
        room.spawns[i] = roomTemplate.spawns[i];
        room.spawns[i].x += x * RoomPixels;
        room.spawns[i].y += y * RoomPixels;
    }
}

void buildRooms() {
    for (int32_t x = 0; x < WorldRooms; x++) {
        for (int32_t y = 0; y < WorldRooms; y++) {
            const MazeCell& cell = world->maze[x][y];
            if (cell.templateIndex != NoTemplate) {
                instantiateRoom(world->roomTemplates[cell.templateIndex], x, y);
                continue;
            }
            // No template for its doors: an open room with the maze's doors and no enemies.
            RoomTemplate open{};
            open.doorMask = cell.doors;
            instantiateRoom(open, x, y);
        }
    }
}
