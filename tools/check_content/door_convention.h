// Where every template opens its doors, so that any two neighbouring rooms join.
// Side doors open the same rows on the left and right edges; up and down doors
// open the same columns on the top and bottom edges, with a ladder through them.
#pragma once
#include <cstdint>

constexpr int32_t SideDoorTopRow = 13;     // the opening of a left or right door
constexpr int32_t SideDoorBottomRow = 16;  // (the floor under it is row 17)
constexpr int32_t ShaftLeftCol = 8;        // the opening of an up or down door
constexpr int32_t ShaftRightCol = 11;
constexpr int32_t LadderCol = 10;  // the ladder runs through every up and down door

// The collision class a cell on a room's edge must have for the room's door mask:
// ClassWall where no door opens, ClassLadder in a vertical door's ladder column,
// ClassEmpty (or ClassInert, which is as open) elsewhere in an opening.
// -1 for a cell that is not on the edge.
int32_t edgeClassFor(int32_t doorMask, int32_t row, int32_t col);
