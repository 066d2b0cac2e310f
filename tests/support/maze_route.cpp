#include "tests/support/maze_route.h"

#include <deque>

#include "shell/world.h"

namespace {

struct Door {
    int32_t bit, dx, dy;
};
constexpr Door Doors[] = {{DoorRight, 1, 0}, {DoorLeft, -1, 0}, {DoorUp, 0, -1}, {DoorDown, 0, 1}};

bool inGrid(RoomXY room) { return room.x >= 0 && room.x < WorldRooms && room.y >= 0 && room.y < WorldRooms; }

std::vector<RoomXY> neighbours(RoomXY room) {
    std::vector<RoomXY> out;
    for (const Door& door : Doors) {
        RoomXY next{room.x + door.dx, room.y + door.dy};
        if ((world->maze[room.x][room.y].doors & door.bit) && inGrid(next)) out.push_back(next);
    }
    return out;
}

void walk(RoomXY room, RoomXY cameFrom, std::vector<RoomXY>* order) {
    order->push_back(room);
    for (RoomXY next : neighbours(room)) {
        if (next != cameFrom) walk(next, room, order);
    }
}

}  // namespace

std::vector<RoomXY> visitOrder(RoomXY root) {
    std::vector<RoomXY> order;
    walk(root, RoomXY{-1, -1}, &order);
    return order;
}

RoomXY nextRoomToward(RoomXY from, RoomXY to) {
    // Breadth-first from the goal, so each room knows its step toward it.
    static RoomXY towardGoal[WorldRooms][WorldRooms];
    static bool seen[WorldRooms][WorldRooms];
    if (!inGrid(from) || !inGrid(to) || from == to) return from;
    for (auto& column : seen) {
        for (bool& cell : column) cell = false;
    }
    std::deque<RoomXY> queue{to};
    seen[to.x][to.y] = true;
    while (!queue.empty()) {
        RoomXY room = queue.front();
        queue.pop_front();
        if (room == from) return towardGoal[room.x][room.y];
        for (RoomXY next : neighbours(room)) {
            if (seen[next.x][next.y]) continue;
            seen[next.x][next.y] = true;
            towardGoal[next.x][next.y] = room;
            queue.push_back(next);
        }
    }
    return from;
}
