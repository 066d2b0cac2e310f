// A place in a room where an enemy is made, as read from a room template.
#pragma once
#include <cstdint>

struct SpawnPoint {
    int32_t x;           // world x of the middle of the enemy's feet (room-relative in a template)
    int32_t y;           // world y of the enemy's feet
    int32_t enemyType;   // index into enemyTypes
    uint8_t facingLeft;  // initial facing
    uint8_t armed;       // nonzero: make an enemy here when the room is entered
};
