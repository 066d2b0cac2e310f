#include "shell/play_game.h"

#include <cstdio>
#include <new>

#include "content/content.h"
#include "shell/main_loop.h"
#include "shell/world.h"
#include "worldgen/world_setup.h"

bool createWorld() {
    // Value-initialised: the player faces right before its first init.
    world = new (std::nothrow) World();
    if (!world) fprintf(stderr, "Could not allocate the world (%zu bytes)\n", sizeof(World));
    return world != nullptr;
}

bool prepareWorld() {
    if (!loadContent()) return false;
    setupWorld();
    return true;
}

void destroyWorld() {
    delete world;
    world = nullptr;
}

int playGame() {
    if (!createWorld()) return 1;
    bool prepared = prepareWorld();
    if (prepared) runMainLoop();
    destroyWorld();
    return prepared ? 0 : 1;
}
