// The maze generator's frontier lists: linked through the cells, newest first.
#pragma once
#include <cstdint>
#include "worldgen/maze.h"

// An empty list: count (state) 0, x and y -1.
void clearList(MazeCell& head);
// Puts the cell at the front and raises its state by one.
void insertFront(MazeCell& head, MazeCell& cell);
// Joins the cell's neighbours; the cell keeps its state and its own links.
void removeFromList(MazeCell& head, MazeCell& cell);
// The cell at a position counted from 0 at the front; null past the end.
MazeCell* cellAtPosition(const MazeCell& head, int32_t position);
