#include "worldgen/world_setup.h"

#include "actors/behaviours.h"
#include "shell/world.h"
#include "worldgen/maze.h"
#include "worldgen/room.h"
#include "worldgen/world_textures.h"

namespace {

// The behaviour of each enemy type that has one; the types after them have none.
void (*const BehaviourOfType[BehaviourTypeCount])(Enemy*) = {
    hoverAndShoot,       // 0
    hoverAndShoot,       // 1
    hoverAndShoot,       // 2
    hoverAndShoot,       // 3
    patrolTurnAtLedges,  // 4
    standAndShoot,       // 5
    hoverAndShoot,       // 6
    patrolTurnAtWalls,   // 7
    hoverThenWave,       // 8
    standAndShoot,       // 9
    standAndShoot,       // 10
    hoverAndShoot,       // 11
    standAndShoot,       // 12
    hoverThenBounce,     // 13
    hoverAndShoot,       // 14
    hoverChaseShoot,     // 15
    hoverChaseShoot,     // 16
    standAndShoot,       // 17
};

void assignBehaviours() {
    for (int32_t type = 0; type < EnemyTypeCount; type++) {
        world->enemyTypes[type].behaviour = type < BehaviourTypeCount ? BehaviourOfType[type] : nullptr;
    }
}

}  // namespace

void setupWorld() {
    makeWorldTextures();
    assignBehaviours();
    actorCursor = 0;
    generateMaze(WorldRooms, WorldRooms);
    buildRooms();
    world->cameraX = 0;
    world->cameraY = 0;
    for (Actor*& slot : world->actorSlots) slot = nullptr;
    for (Projectile& projectile : world->projectiles) projectile.type = ProjectileFree;
}
