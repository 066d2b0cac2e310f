// The real game without a window: the World built from data/ as start-up builds it,
// passes run by the main loop's own pass, keys fed through the null platform.
#pragma once
#include <memory>
#include <string>

#include "shell/platform.h"
#include "shell/world.h"
#include "tools/offscreen/offscreen_gl.h"

class PlayHarness {
public:
    // Needs the working folder to hold data/. Every pass is drawn on an off-screen context.
    PlayHarness();
    ~PlayHarness();
    bool ok() const { return ready; }

    // Key events delivered in the next pass, in this order.
    void press(int32_t key) { queue(EventKeyDown, key); }
    void release(int32_t key) { queue(EventKeyUp, key); }
    void queue(int32_t type, int32_t key);
    bool held(int32_t key) const;

    // One pass of the main loop; false once a quit request has arrived.
    bool pass();
    long passes() const { return passCount; }

    Player& player() const { return world->player; }
    int32_t roomX() const { return roomOf(world->player.body.x); }
    int32_t roomY() const { return roomOf(world->player.body.y); }

    bool savePngTo(const std::string& path) const { return gl->savePng(path); }

private:
    std::unique_ptr<OffscreenGl> gl;
    bool ready = false;
    long passCount = 0;
};
