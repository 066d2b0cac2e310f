// The numbers every part of the game agrees on: sizes of the screen, rooms and
// tiles, door bits, and the sizes of the fixed tables. Includes nothing, so any
// folder may include it.
#pragma once

constexpr int ScreenWidth = 640;  // pixels of the view and the window
constexpr int ScreenHeight = 480;

constexpr int TilePixels = 32;    // pixels along each side of a tile
constexpr int TileShift = 5;      // pixel >> TileShift = tile, as TilePixels is 1 << 5
constexpr int RoomTiles = 20;     // tiles along each side of a room
constexpr int RoomPixels = 640;   // pixels along each side of a room
constexpr int WorldRooms = 50;    // rooms along each side of the world
constexpr int WorldTiles = 1000;  // collision cells along each side of the world
constexpr int MaxSpawns = 50;     // spawn points one room can hold

// Door mask bits, shared by maze cells, room templates and rooms.
enum DoorBit : int {
    DoorRight = 1,
    DoorLeft = 2,
    DoorUp = 4,
    DoorDown = 8,
};
constexpr int MaskCount = 16;  // door masks, 0..15

constexpr int PartCount = 16;  // parts of every figure
constexpr int EnemyTypeCount = 36;
constexpr int BehaviourTypeCount = 18;  // types 0..17 have a behaviour
constexpr int ProjectileTypeCount = 64;
constexpr int ProjectilePoolSize = 64;  // shots in flight at once
constexpr int ActorSlotCount = 128;     // enemies in play at once
