// Turning loaded content into the playable world.
#pragma once

// Textures, type tables, maze, all rooms and the collision grid. Needs a GL context.
void setupWorld();
