#include "tools/check_content/offscreen_world.h"

#include <GL/osmesa.h>

#include <cstdio>
#include <vector>

#include "shell/platform/platform_null.h"
#include "shell/play_game.h"
#include "shell/world.h"

namespace {

constexpr int ContextSide = 64;  // nothing is drawn: the context only takes the uploads

OSMesaContext context = nullptr;
std::vector<unsigned char> pixels(ContextSide* ContextSide * 4);

bool makeContext() {
    context = OSMesaCreateContextExt(OSMESA_RGBA, 16, 0, 0, nullptr);
    if (context && OSMesaMakeCurrent(context, pixels.data(), GL_UNSIGNED_BYTE, ContextSide, ContextSide)) {
        return true;
    }
    fprintf(stderr, "Could not make an off-screen OpenGL context\n");
    return false;
}

}  // namespace

bool openOffscreenWorld() {
    nullPlatformReset();  // the game's code reads keys and events from the null platform: none
    return makeContext() && createWorld() && prepareWorld();
}

void closeOffscreenWorld() {
    if (world) destroyWorld();
    if (context) OSMesaDestroyContext(context);
    context = nullptr;
}
