#include "tools/check_content/enemy_kinds.h"

#include "actors/behaviours.h"
#include "shell/world.h"

namespace {

constexpr int32_t DrawnTypes[] = {4, 7, 8, 13, 14, 16, 17};

using Behaviour = void (*)(Enemy*);

Behaviour behaviourOf(int32_t enemyType) { return world->enemyTypes[enemyType].behaviour; }

}  // namespace

bool drawnForRooms(int32_t enemyType) {
    for (int32_t type : DrawnTypes) {
        if (type == enemyType) return true;
    }
    return false;
}

bool keepsToFloor(int32_t enemyType) {
    Behaviour behaviour = behaviourOf(enemyType);
    return behaviour == patrolTurnAtLedges || behaviour == patrolTurnAtWalls || behaviour == standAndShoot;
}

bool shoots(int32_t enemyType) {
    Behaviour behaviour = behaviourOf(enemyType);
    return behaviour == standAndShoot || behaviour == hoverAndShoot || behaviour == hoverChaseShoot;
}
