#include "shell/main_loop.h"

#include "actors/actor_slots.h"
#include "actors/restart.h"
#include "render/camera.h"
#include "render/frame.h"
#include "render/key_legend.h"
#include "shell/key_map.h"
#include "shell/pause.h"
#include "shell/platform.h"
#include "shell/world.h"

namespace {

// Feeds pending events to the player; false once a quit request is among them.
bool drainEvents() {
    bool running = true;
    InputEvent event;
    for (int handled = 0; handled < MaxEventsPerPass && platformPollEvent(&event); handled++) {
        if (event.type == EventQuit) {
            running = false;
        } else if (event.type == EventKeyDown || event.type == EventKeyUp) {
            bool pressed = event.type == EventKeyDown;
            if (event.key == KeyEscape) {
                if (pressed) running = false;
                continue;
            }
            int32_t action = actionOfKey(event.key);
            if (action >= 0) world->player.handleAction(action, pressed ? 1 : 0);
        }
    }
    return running;
}

}  // namespace

void startPlay() {
    placePlayerAtStart();
    actorCursor = 0;
    showKeyLegend();
}

void simulatePass() {
    const Body& body = world->player.body;
    int32_t oldRoomX = roomOf(body.x);
    int32_t oldRoomY = roomOf(body.y);
    world->player.update();
    int32_t newRoomX = roomOf(body.x);
    int32_t newRoomY = roomOf(body.y);

    if (newRoomX != oldRoomX || newRoomY != oldRoomY) spawnRoomEnemies(newRoomX, newRoomY);
    updateActors(newRoomX, newRoomY);
    for (Projectile& projectile : world->projectiles) {
        if (projectile.type != ProjectileFree) updateProjectile(&projectile);
    }
}

bool runPass(void (*warm)()) {
    // Every room shows the first scenery set (the world's one tile atlas), so its bed is heard.
    platformPlayBed(0);
    updateCamera();
    platformPlayCues(world->cameraX, world->cameraY);
    platformDelay(PassDelayMs, warm);
    bool running = drainEvents();
    simulatePass();
    stepKeyLegend();
    renderFrame();
    return running;
}

void runMainLoop() {
    startPlay();
    // The first pass's delay is where Mesa compiles its drawing code, rather than the first frame.
    bool running = runPass(warmDrawing);
    while (running) running = platformPauseAsked() ? sitOutPause() : runPass();
}
