#include "shell/play_game.h"

#include <cstdio>
#include <new>

#include "content/content.h"
#include "shell/main_loop.h"
#include "shell/world.h"
#include "worldgen/world_setup.h"

int playGame() {
    // Value-initialised: the player faces right before its first init.
    world = new (std::nothrow) World();
    if (!world) {
        fprintf(stderr, "Could not allocate the world (%zu bytes)\n", sizeof(World));
        return 1;
    }
    int status = 1;
    if (loadContent()) {
        setupWorld();
        runMainLoop();
        status = 0;
    }
    delete world;
    world = nullptr;
    return status;
}
