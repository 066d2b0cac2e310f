// Turning loaded content into the playable world.
#pragma once
#include <cstdint>

struct RoomTemplate;

// Textures, type tables, maze, all rooms and the collision grid. Needs a GL context.
void setupWorld();

// Room (x, y) and its collision cells from one template.
void instantiateRoom(const RoomTemplate& roomTemplate, int32_t x, int32_t y);

// Every room of the grid from the template the maze chose for its cell; a cell
// without one gets an open room with the cell's doors. Needs no GL context.
void buildRooms();
