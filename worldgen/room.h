// Rooms, spawn points and the type tables built by world setup.
#pragma once
#include <cstdint>

constexpr int RoomTiles = 20;       // tiles along each side of a room
constexpr int RoomPixels = 640;     // pixels along each side of a room
constexpr int TilePixels = 32;      // pixels along each side of a tile
constexpr int WorldRooms = 50;      // rooms along each side of the world
constexpr int WorldTiles = 1000;    // collision cells along each side of the world
constexpr int MaxSpawns = 50;       // spawn points one room can hold
constexpr int EnemyTypeCount = 36;
constexpr int BehaviourTypeCount = 18;  // types 0..17 have a behaviour
constexpr int ProjectileTypeCount = 64;

class Enemy;

struct SpawnPoint {
    int32_t x;           // world x of the middle of the enemy's feet
    int32_t y;           // world y of the enemy's feet
    int32_t enemyType;   // index into enemyTypes
    uint8_t facingLeft;  // initial facing
    uint8_t armed;       // nonzero: make an enemy here when the room is entered
};

struct Room {
    int32_t tiles[RoomTiles][RoomTiles];  // [row][col] tile codes, 0 = empty
    int32_t doorMask;                     // 1 right, 2 left, 4 up, 8 down
    int32_t spawnCount;
    SpawnPoint spawns[MaxSpawns];
};

struct EnemyType {
    uint32_t partTextures[16];       // one texture per figure part
    void (*behaviour)(Enemy* enemy);  // null for types without a behaviour
};

struct ProjectileType {
    int32_t damage;    // health taken from an actor it hits
    uint32_t texture;  // its 64 x 64 picture
};

// Collision class of each tile code.
extern const int8_t conv[128];

// Skin block (64 x 64, counted from the top) that becomes each figure part.
extern const int32_t partBlock[16];
