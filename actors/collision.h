// Movement of boxes against the collision grid.
#pragma once
#include <cstdint>

class Actor;

enum CollisionClass : int8_t {
    ClassEmpty = 0,
    ClassWall = 1,
    ClassSlopeDown = 2,  // surface high on the left, low on the right
    ClassSlopeUp = 3,    // surface low on the left, high on the right
    ClassLadder = 4,
    ClassLadderTop = 5,
    ClassPlatform = 6,
    ClassInert = 7,
    ClassBreakable = 8,  // 8 and 9 alike
    ClassBreakableToo = 9,
};

// Class of a cell; a cell outside the world reads as a wall.
int32_t cellClass(int32_t row, int32_t col);

bool moveVertical(Actor* actor);    // true when stopped or corrected
bool moveHorizontal(Actor* actor);  // true only when a wall stopped it
