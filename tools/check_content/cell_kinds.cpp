#include "tools/check_content/cell_kinds.h"

#include "actors/collision.h"
#include "worldgen/room.h"

int32_t classAt(const RoomTemplate& room, int32_t row, int32_t col) { return conv[room.tiles[row][col]]; }

bool blocks(int32_t cls) {
    return cls == ClassWall || cls == ClassSlopeDown || cls == ClassSlopeUp || cls == ClassBreakable ||
           cls == ClassBreakableToo;
}

bool bearsWeight(int32_t cls) {
    return cls == ClassWall || cls == ClassLadderTop || cls == ClassPlatform || cls == ClassBreakable ||
           cls == ClassBreakableToo;
}

bool isLadder(int32_t cls) { return cls == ClassLadder || cls == ClassLadderTop; }
