// What the checker needs to know of an enemy type, read from the behaviour world setup gave it.
#pragma once
#include <cstdint>

// The types whose pictures are drawn to be placed in rooms.
bool drawnForRooms(int32_t enemyType);
// Walkers and standers need a floor under their feet; the others hover.
bool keepsToFloor(int32_t enemyType);
bool shoots(int32_t enemyType);
