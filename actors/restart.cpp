// Back to the start of play after the player is hit with no health left.
#include "actors/player_tuning.h"
#include "actors/sound_cue.h"
#include "shell/world.h"

void restartGame() {
    for (auto& column : world->rooms) {
        for (Room& room : column) {
            for (int32_t i = 0; i < spawnListLength(room); i++) room.spawns[i].armed = 1;
        }
    }
    world->player.init(PlayerStartX, PlayerStartY, 0);
    cueFrom(CueRestart, world->player.body);
    world->cameraX = StartCamera;
    world->cameraY = StartCamera;
    for (Actor*& slot : world->actorSlots) {
        delete slot;
        slot = nullptr;
    }
    // Cells broken by shots stay broken, and both cursors keep their places.
    for (Projectile& projectile : world->projectiles) projectile.type = ProjectileFree;
}
