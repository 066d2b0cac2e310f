// Back to the start of play after the player is hit with no health left.
#include "actors/restart.h"

#include "actors/actor_slots.h"
#include "actors/player_tuning.h"
#include "actors/sound_cue.h"
#include "shell/world.h"

void placePlayerAtStart() {
    world->player.init(PlayerStartX, PlayerStartY, 0);
    world->cameraX = StartCamera;
    world->cameraY = StartCamera;
}

void restartGame() {
    for (auto& column : world->rooms) {
        for (Room& room : column) {
            for (int32_t i = 0; i < spawnListLength(room); i++) room.spawns[i].armed = 1;
        }
    }
    placePlayerAtStart();
    cueFrom(CueRestart, world->player.body);
    clearActorSlots();
    // Cells broken by shots stay broken, and both cursors keep their places.
    for (Projectile& projectile : world->projectiles) projectile.type = ProjectileFree;
}
