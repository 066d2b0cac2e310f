#include "tools/offscreen/play_harness.h"

#include <GL/gl.h>

#include "shell/main_loop.h"
#include "shell/platform/platform_null.h"
#include "shell/play_game.h"

PlayHarness::PlayHarness() : gl(new OffscreenGl()) {
    nullPlatformReset();
    ready = gl->ok() && createWorld() && prepareWorld();
    if (ready) startPlay();
}

PlayHarness::~PlayHarness() { destroyWorld(); }

void PlayHarness::queue(int32_t type, int32_t key) { nullPlatformQueue(InputEvent{type, key}); }

bool PlayHarness::held(int32_t key) const { return platformKeyState()[key] != 0; }

bool PlayHarness::pass() {
    passCount++;
    bool running = runPass();
    // The null platform's swap shows nothing; without the flush a real swap makes,
    // Mesa keeps every frame's commands queued and memory grows by the pass.
    glFlush();
    return running;
}
