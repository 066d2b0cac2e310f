// The maze's rooms as the game builds them, drawn small into one picture.
#pragma once
#include <cstdint>
#include <vector>

#include "worldgen/room.h"

constexpr int32_t MapShrink = 8;  // world pixels per map pixel
constexpr int32_t MapRoomSide = RoomPixels / MapShrink;

struct MapPicture {
    int32_t width;
    int32_t height;
    std::vector<uint32_t> pixels;  // colour words, bytes R, G, B, A; top row first
    int32_t firstRoomX;            // the room in the top-left corner
    int32_t firstRoomY;
};

struct MarkColour {
    uint32_t colour;  // colour word
    const char* name;
};

// Colour of the marks of an enemy type's spawn points.
MarkColour spawnMarkColour(int32_t enemyType);

// Every room in the maze's bounding box, from the loaded background and tile atlas:
// the maze's rooms bright, the closed cells between them dimmed, each spawn point
// marked by its enemy's box in its type's colour and the player's start in white.
MapPicture drawWorldMap();
