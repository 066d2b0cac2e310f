#include "shell/play_game.h"

#include <cstdio>
#include <new>

#include "actors/actor_slots.h"
#include "content/animation.h"
#include "content/content.h"
#include "content/content_list.h"
#include "shell/main_loop.h"
#include "shell/os/os.h"
#include "shell/platform.h"
#include "content/room_template.h"
#include "shell/world.h"
#include "worldgen/world_setup.h"

namespace {

// Everything the World owns on the heap, so that nothing of ours outlives it;
// the textures go with the GL context.
void releaseWorldData() {
    clearActorSlots();
    ContentPictures pictures = {world->skinCount,   world->sceneryCount, world->projectileImageCount, world->skins,
                                world->backgrounds, world->tileAtlases,  world->projectileImages};
    freeContentPictures(&pictures);
    freeAnimations(world->animations, world->animationCount);
    freeRoomTemplates(world->roomTemplates, world->templateCount);
}

}  // namespace

bool createWorld() {
    // Value-initialised: the player faces right before its first init.
    world = new (std::nothrow) World();
    if (!world) fprintf(stderr, "Could not allocate the world (%zu bytes)\n", sizeof(World));
    return world != nullptr;
}

bool prepareWorld() {
    if (!loadContent(platformLoadBed)) return false;
    setupWorld();
    return true;
}

void destroyWorld() {
    if (!world) return;
    releaseWorldData();
    delete world;
    world = nullptr;
}

namespace {

// SDL turns SIGTERM and Ctrl-C into a quit event that only the main loop reads; while
// the content loads (slowly, from a slow or huge file), they end the game at once.
bool prepareWorldStoppably() {
    osEndAtOnceOnSignals();
    bool prepared = prepareWorld();
    osRestoreSignals();
    return prepared;
}

}  // namespace

int playGame() {
    if (!createWorld()) return 1;
    bool prepared = prepareWorldStoppably();
    if (prepared) runMainLoop();
    destroyWorld();
    return prepared ? 0 : 1;
}
