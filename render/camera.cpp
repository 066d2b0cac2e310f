#include "render/camera.h"

#include <cstdlib>

#include "shell/world.h"

namespace {

constexpr int32_t CameraStep = 15;          // top speed on each axis, pixels per pass
constexpr int32_t PlayerBelowTop = 208;     // the player's box sits mid-screen
constexpr int32_t PlayerRightOfLeft = 304;
constexpr int32_t LowestInRoom = 160;       // room height minus screen height
constexpr int32_t RowAlignTarget = 80;      // half of LowestInRoom
constexpr int32_t RowAlignTolerance = 95;   // RowAlignTarget + CameraStep

constexpr int32_t DoorRight = 1;
constexpr int32_t DoorLeft = 2;
constexpr int32_t DoorUp = 4;
constexpr int32_t DoorDown = 8;

// One step of at most CameraStep toward the target, landing on it when close.
int32_t stepToward(int32_t current, int32_t target) {
    int32_t distance = target - current;
    if (distance > CameraStep) return current + CameraStep;
    if (distance < -CameraStep) return current - CameraStep;
    return target;
}

// Which way a room with these doors scrolls at (rx, ry) inside it. The room's
// diagonals cut it into triangles; points on a diagonal follow the strict tests.
bool scrollsHorizontally(int32_t doorMask, int32_t rx, int32_t ry) {
    const bool belowFalling = rx < ry;                 // left or bottom triangle
    const bool aboveFalling = rx > ry;                 // top or right triangle
    const bool belowRising = rx + ry < RoomPixels;     // top or left triangle
    const bool aboveRising = rx + ry > RoomPixels;     // bottom or right triangle
    switch (doorMask) {
    case 1:
    case 2:
    case 3: return true;
    case 5: return aboveRising;
    case 6: return belowFalling;
    case 7: return belowFalling || aboveRising;
    case 9: return aboveFalling;
    case 10: return belowRising;
    case 11: return aboveFalling || belowRising;
    case 13: return aboveFalling && aboveRising;
    case 14: return belowFalling && belowRising;
    case 15: return (aboveFalling && aboveRising) || (belowFalling && belowRising);
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
