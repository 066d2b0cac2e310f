// The way through the maze the World was built from, room by room through its doors.
#pragma once
#include <cstdint>
#include <vector>

struct RoomXY {
    int32_t x, y;
    bool operator==(const RoomXY& o) const { return x == o.x && y == o.y; }
    bool operator!=(const RoomXY& o) const { return !(*this == o); }
};

// Every carved room once, in the order a walk through the tree from the root meets them.
std::vector<RoomXY> visitOrder(RoomXY root);

// The neighbour of `from` on the way to `to` through open doors; `from` itself when
// there is no way or it is already there.
RoomXY nextRoomToward(RoomXY from, RoomXY to);
