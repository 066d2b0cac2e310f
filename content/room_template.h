// The room template library.
#pragma once
#include <cstdint>
#include "shell/numbers.h"
#include "content/spawn_point.h"

struct RoomTemplate {
    int32_t tiles[RoomTiles][RoomTiles];  // [row][col], codes 0..127
    int32_t doorMask;                     // 1 right, 2 left, 4 up, 8 down
    int32_t reservedValue;                // read and kept, never used
    uint8_t reservedFlags[2];             // read and kept, never used
    SpawnPoint* spawns;                   // spawnCount entries, x and y relative to the room
    int32_t spawnCount;
};

// Stable counting sort by door mask; fills the two per-mask tables.
void sortTemplatesByMask(RoomTemplate* templates, int32_t count, int32_t firstTemplateByMask[MaskCount],
                         int32_t templateCountByMask[MaskCount]);

void freeRoomTemplates(RoomTemplate* templates, int32_t count);

// Reads the library, sorted by mask. Returns the number of templates, or -1
// (after one line naming the file and the problem) on bad content.
int32_t loadRoomTemplates(const char* path, RoomTemplate** templates, int32_t firstTemplateByMask[MaskCount],
                          int32_t templateCountByMask[MaskCount]);
