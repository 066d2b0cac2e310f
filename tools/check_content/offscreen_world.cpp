#include "tools/check_content/offscreen_world.h"

#include <cstdio>
#include <memory>

#include "shell/platform/platform_null.h"
#include "shell/play_game.h"
#include "shell/world.h"
#include "tools/offscreen/offscreen_gl.h"

namespace {

std::unique_ptr<OffscreenGl> gl;  // nothing is drawn: the context only takes the uploads

}  // namespace

bool openOffscreenWorld() {
    nullPlatformReset();  // the game's code reads keys and events from the null platform: none
    gl = std::make_unique<OffscreenGl>();
    if (!gl->ok()) {
        fprintf(stderr, "Could not make an off-screen OpenGL context\n");
        return false;
    }
    return createWorld() && prepareWorld();
}

void closeOffscreenWorld() {
    if (world) destroyWorld();
    gl.reset();
}
