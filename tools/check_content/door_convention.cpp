#include "tools/check_content/door_convention.h"

#include "actors/collision.h"
#include "worldgen/maze.h"
#include "worldgen/room.h"

namespace {

constexpr int32_t LastTile = RoomTiles - 1;

bool inSideDoor(int32_t row) { return row >= SideDoorTopRow && row <= SideDoorBottomRow; }
bool inShaft(int32_t col) { return col >= ShaftLeftCol && col <= ShaftRightCol; }

}  // namespace

int32_t edgeClassFor(int32_t doorMask, int32_t row, int32_t col) {
    bool open = (col == 0 && (doorMask & DoorLeft) && inSideDoor(row)) ||
                (col == LastTile && (doorMask & DoorRight) && inSideDoor(row)) ||
                (row == 0 && (doorMask & DoorUp) && inShaft(col)) ||
                (row == LastTile && (doorMask & DoorDown) && inShaft(col));
    if (open) return (row == 0 || row == LastTile) && col == LadderCol ? ClassLadder : ClassEmpty;
    bool onEdge = row == 0 || row == LastTile || col == 0 || col == LastTile;
    return onEdge ? ClassWall : -1;
}
