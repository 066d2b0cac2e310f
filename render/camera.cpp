#include "render/camera.h"

#include <cstdlib>

#include "shell/world.h"

namespace {

constexpr int32_t CameraStep = 15;       // top speed on each axis, pixels per pass
constexpr int32_t PlayerBelowTop = 208;  // the player's box sits mid-screen
constexpr int32_t PlayerRightOfLeft = 304;
constexpr int32_t LowestInRoom = 160;      // room height minus screen height
constexpr int32_t RowAlignTarget = 80;     // half of LowestInRoom
constexpr int32_t RowAlignTolerance = 95;  // RowAlignTarget + CameraStep

// One step of at most CameraStep toward the target, landing on it when close.
int32_t stepToward(int32_t current, int32_t target) {
    int32_t distance = target - current;
    if (distance > CameraStep) return current + CameraStep;
    if (distance < -CameraStep) return current - CameraStep;
    return target;
}

// Which way a room with these doors scrolls at (rx, ry) inside it. The room's
// diagonals cut it into four triangles; a point on a diagonal is in neither
// triangle beside it, so the comparisons stay strict.
bool scrollsHorizontally(int32_t doorMask, int32_t rx, int32_t ry) {
    const bool leftOrBottom = rx < ry;
    const bool topOrRight = rx > ry;
    const bool topOrLeft = rx + ry < RoomPixels;
    const bool bottomOrRight = rx + ry > RoomPixels;
    switch (doorMask) {
    case 1:
    case 2:
    case 3: return true;
    case 5: return bottomOrRight;
    case 6: return leftOrBottom;
    case 7: return leftOrBottom || bottomOrRight;
    case 9: return topOrRight;
    case 10: return topOrLeft;
    case 11: return topOrRight || topOrLeft;
    case 13: return topOrRight && bottomOrRight;
    case 14: return leftOrBottom && topOrLeft;
    case 15: return (topOrRight && bottomOrRight) || (leftOrBottom && topOrLeft);
    default: return false;  // no side doors
    }
}

// Along the player's column, once cameraX sits on the column's left edge.
void scrollAlongColumn(int32_t doorMask, int32_t py, int32_t roomLeft, int32_t roomTop) {
    int32_t& cameraX = world->cameraX;
    int32_t& cameraY = world->cameraY;
    bool aligned = std::abs(roomLeft - cameraX) <= CameraStep;
    cameraX = stepToward(cameraX, roomLeft);
    if (!aligned) return;

    cameraY = stepToward(cameraY, py - PlayerBelowTop);
    if (!(doorMask & DoorUp) && cameraY < roomTop) cameraY = roomTop;
    if (!(doorMask & DoorDown) && cameraY > roomTop + LowestInRoom) cameraY = roomTop + LowestInRoom;
    world->scrollVertical = 1;
}

// Along the player's row, once cameraY is near enough to the row.
void scrollAlongRow(int32_t doorMask, int32_t px, int32_t py, int32_t roomLeft, int32_t roomTop) {
    int32_t& cameraX = world->cameraX;
    int32_t& cameraY = world->cameraY;
    int32_t rowTarget = roomTop + RowAlignTarget;
    if (std::abs(rowTarget - cameraY) > RowAlignTolerance) {
        cameraY = stepToward(cameraY, rowTarget);
        return;
    }

    cameraY = stepToward(cameraY, py - PlayerBelowTop);
    if (cameraY < 0) {
        cameraY = 0;
    } else if (cameraY - cameraY % RoomPixels < roomTop) {
        cameraY = roomTop;  // the screen's top edge is in a row above the player's
    } else if (cameraY % RoomPixels > LowestInRoom) {
        cameraY = roomTop + LowestInRoom;
    }

    cameraX = stepToward(cameraX, px - PlayerRightOfLeft);
    if (!(doorMask & DoorRight) && cameraX > roomLeft) cameraX = roomLeft;
    if (!(doorMask & DoorLeft) && cameraX < roomLeft) cameraX = roomLeft;
    world->scrollVertical = 0;
}

// Door mask of the room holding (px, py); a position off the grid reads its nearest room.
int32_t doorMaskAt(int32_t px, int32_t py) {
    auto clampRoom = [](int32_t pixel) {
        int32_t room = roomOf(pixel);
        return room < 0 ? 0 : room >= WorldRooms ? WorldRooms - 1 : room;
    };
    return world->rooms[clampRoom(px)][clampRoom(py)].doorMask;
}

}  // namespace

void updateCamera() {
    const int32_t px = world->player.body.x;
    const int32_t py = world->player.body.y;
    const int32_t rx = px % RoomPixels;
    const int32_t ry = py % RoomPixels;
    const int32_t doorMask = doorMaskAt(px, py);

    if (scrollsHorizontally(doorMask, rx, ry)) {
        scrollAlongRow(doorMask, px, py, px - rx, py - ry);
    } else {
        scrollAlongColumn(doorMask, py, px - rx, py - ry);
    }
}
