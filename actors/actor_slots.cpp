// The ring of enemy slots: filling it on entering a room, emptying it of the dead and the distant.
#include "actors/actor_slots.h"

#include "actors/enemy.h"
#include "shell/platform.h"
#include "shell/world.h"

namespace {

bool roomInWorld(int32_t roomX, int32_t roomY) {
    return roomX >= 0 && roomX < WorldRooms && roomY >= 0 && roomY < WorldRooms;
}

// The first free slot after the cursor, or the cursor itself when none is; its own slot is never taken.
int32_t freeSlotAfterCursor() {
    int32_t slot = (actorCursor + 1) % ActorSlotCount;
    while (world->actorSlots[slot] && slot != actorCursor) slot = (slot + 1) % ActorSlotCount;
    return slot;
}

bool fartherThanNextRoom(const Actor& actor, int32_t roomX, int32_t roomY) {
    int32_t dx = roomOf(actor.body.x) - roomX;
    int32_t dy = roomOf(actor.body.y) - roomY;
    return dx < -1 || dx > 1 || dy < -1 || dy > 1;
}

}  // namespace

int32_t spawnListLength(const Room& room) {
    if (room.spawnCount < 0) return 0;
    return room.spawnCount < MaxSpawns ? room.spawnCount : MaxSpawns;
}

void clearActorSlots() {
    for (Actor*& slot : world->actorSlots) {
        delete slot;
        slot = nullptr;
    }
}

void spawnRoomEnemies(int32_t roomX, int32_t roomY) {
    if (!roomInWorld(roomX, roomY)) return;
    Room& room = world->rooms[roomX][roomY];
    int32_t made = 0;
    int64_t sumX = 0, sumY = 0;  // one cue for the arrivals, from their middle
    for (int32_t i = 0; i < spawnListLength(room); i++) {
        SpawnPoint& point = room.spawns[i];
        if (!point.armed) continue;
        int32_t slot = freeSlotAfterCursor();
        if (slot == actorCursor) break;  // full: the rest stay armed for the next visit
        actorCursor = slot;
        world->actorSlots[slot] = newEnemy(&point);
        if (!world->actorSlots[slot]) continue;
        made++;
        sumX += point.x;
        sumY += point.y;
    }
    if (made) platformCue(CueEnemiesAppear, int32_t(sumX / made), int32_t(sumY / made));
}

void updateActors(int32_t roomX, int32_t roomY) {
    for (Actor*& slot : world->actorSlots) {
        Actor* actor = slot;
        if (!actor) continue;
        actor->update();
        if (fartherThanNextRoom(*actor, roomX, roomY)) {
            actor->spawnPoint->armed = 1;  // left behind: it comes back next time
        } else if (actor->health >= 0 && actor->state != StateDead) {
            continue;
        }
        delete actor;
        slot = nullptr;
    }
}
