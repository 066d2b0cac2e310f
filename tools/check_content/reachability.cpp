#include "tools/check_content/reachability.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "actors/player_tuning.h"
#include "shell/world.h"
#include "tools/check_content/enemy_kinds.h"
#include "tools/check_content/movement_model.h"
#include "tools/check_content/problems.h"

namespace {

constexpr int32_t MinStartFallPasses = 15;  // the standing animation runs through before the landing

struct Search {
    std::vector<Spot> spots;
    std::unordered_map<uint64_t, int32_t> ids;
    std::vector<std::vector<int32_t>> comesFrom;  // for each spot, the spots one move before it
    std::vector<int32_t> queue;
};

uint64_t keyOf(const Spot& spot) {
    return (uint64_t(uint32_t(spot.x)) << 33) | (uint64_t(uint32_t(spot.y)) << 1) | (spot.onLadder ? 1 : 0);
}

int32_t idOf(Search& search, const Spot& spot) {
    auto found = search.ids.find(keyOf(spot));
    if (found != search.ids.end()) return found->second;
    int32_t id = int32_t(search.spots.size());
    search.ids.emplace(keyOf(spot), id);
    search.spots.push_back(spot);
    search.comesFrom.emplace_back();
    search.queue.push_back(id);
    return id;
}

void searchFrom(Search& search, const Spot& start) {
    idOf(search, start);
    std::vector<Spot> next;
    for (size_t head = 0; head < search.queue.size(); head++) {
        int32_t id = search.queue[head];
        next.clear();
        movesFrom(search.spots[id], &next);
        for (const Spot& spot : next) search.comesFrom[idOf(search, spot)].push_back(id);
    }
}

bool inRoom(const Spot& spot, int32_t roomX, int32_t roomY) {
    return roomOf(spot.x) == roomX && roomOf(spot.y) == roomY;
}

// The spots from which some chain of moves leads into the room.
std::vector<bool> spotsLeadingInto(const Search& search, int32_t roomX, int32_t roomY) {
    std::vector<bool> leads(search.spots.size(), false);
    std::vector<int32_t> queue;
    for (size_t id = 0; id < search.spots.size(); id++) {
        if (!inRoom(search.spots[id], roomX, roomY)) continue;
        leads[id] = true;
        queue.push_back(int32_t(id));
    }
    for (size_t head = 0; head < queue.size(); head++) {
        for (int32_t before : search.comesFrom[queue[head]]) {
            if (leads[before]) continue;
            leads[before] = true;
            queue.push_back(before);
        }
    }
    return leads;
}

struct RoomFindings {
    bool reached = false;
    bool leadsBack = false;
    const Spot* stuck = nullptr;  // a spot inside a wall
};

void reportRoom(int32_t roomX, int32_t roomY, const RoomFindings& findings) {
    std::string name = roomName(roomX, roomY);
    if (world->maze[roomX][roomY].state != CellCarved) {
        if (findings.reached) reportProblem("%s: the player can get into this closed cell", name.c_str());
        return;
    }
    if (!findings.reached) reportProblem("%s: the player cannot get there from the start", name.c_str());
    if (findings.reached && !findings.leadsBack) {
        reportProblem("%s: the player cannot get back from there to the start room", name.c_str());
    }
    if (findings.stuck) {
        reportProblem("%s: the player can end up inside a wall at (%d, %d)", name.c_str(), findings.stuck->x,
                      findings.stuck->y);
    }
}

}  // namespace

void checkStartRoom() {
    int32_t roomX = roomOf(PlayerStartX), roomY = roomOf(PlayerStartY);
    const Room& room = world->rooms[roomX][roomY];
    for (int32_t i = 0; i < room.spawnCount; i++) {
        if (!shoots(room.spawns[i].enemyType)) continue;
        reportProblem("%s: the start room holds a shooter (spawn %d, type %d)", roomName(roomX, roomY).c_str(), i,
                      room.spawns[i].enemyType);
    }
    Spot rest;
    int32_t passes;
    if (!restAfterFall(PlayerStartX, PlayerStartY, &rest, &passes) || !inRoom(rest, roomX, roomY)) {
        reportProblem("%s: the player does not land in the start room", roomName(roomX, roomY).c_str());
    } else if (passes < MinStartFallPasses) {
        reportProblem("%s: the player lands after %d passes, before the %d its standing animation needs",
                      roomName(roomX, roomY).c_str(), passes, MinStartFallPasses);
    }
}

void checkReachability() {
    Spot start;
    int32_t passes;
    if (!restAfterFall(PlayerStartX, PlayerStartY, &start, &passes)) return;  // the start room check says so
    Search search;
    searchFrom(search, start);
    std::vector<bool> leadsToStart = spotsLeadingInto(search, roomOf(PlayerStartX), roomOf(PlayerStartY));

    std::vector<RoomFindings> findings(WorldRooms * WorldRooms);
    for (size_t id = 0; id < search.spots.size(); id++) {
        const Spot& spot = search.spots[id];
        RoomFindings& room = findings[roomOf(spot.x) * WorldRooms + roomOf(spot.y)];
        room.reached = true;
        room.leadsBack = room.leadsBack || leadsToStart[id];
        if (!room.stuck && insideWall(spot)) room.stuck = &spot;
    }
    for (int32_t roomY = 0; roomY < WorldRooms; roomY++) {
        for (int32_t roomX = 0; roomX < WorldRooms; roomX++) {
            reportRoom(roomX, roomY, findings[roomX * WorldRooms + roomY]);
        }
    }
}
