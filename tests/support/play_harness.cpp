#include "tests/support/play_harness.h"

#include "shell/main_loop.h"
#include "shell/platform_null.h"
#include "shell/play_game.h"
#include "tests/support/scratch.h"

PlayHarness::PlayHarness() : gl(new OffscreenGl()) {
    nullPlatformReset();
    ready = gl->ok() && createWorld() && prepareWorld();
    if (ready) startPlay();
}

PlayHarness::~PlayHarness() {
    if (!world) return;
    for (Actor*& slot : world->actorSlots) {
        delete slot;
        slot = nullptr;
    }
    destroyWorld();
}

void PlayHarness::queue(int32_t type, int32_t key) { nullPlatformQueue(InputEvent{type, key}); }

bool PlayHarness::held(int32_t key) const { return platformKeyState()[key] != 0; }

bool PlayHarness::pass() {
    passCount++;
    return runPass();
}

bool PlayHarness::savePng(const std::string& name) const { return gl->savePng(testOutputDir() + "/" + name); }
