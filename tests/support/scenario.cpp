#include "tests/support/scenario.h"

#include <sstream>

#include "actors/projectile.h"
#include "shell/key_map.h"
#include "shell/platform.h"
#include "shell/world.h"

namespace {

int32_t keyOfLetter(char c) {
    switch (c) {
    case 'J': return KeySpace;
    case 'L': return KeyLeft;
    case 'R': return KeyRight;
    case 'U': return KeyUp;
    case 'D': return KeyDown;
    case 'F': return KeyLeftControl;
    case 'X': return KeyX;
    default: return KeyEscape;
    }
}

}  // namespace

void runScript(const std::string& script, const ScriptHooks& hooks) {
    std::istringstream tokens(script);
    std::string token;
    while (tokens >> token) {
        if (token == "!") {
            Projectile shot{};
            shot.body.vx = 16;
            shot.type = 1;
            Actor* target = world->actorSlots[0] ? world->actorSlots[0] : &world->player;
            target->hit(shot);
        } else if (isdigit(token[0])) {
            for (int n = std::stoi(token); n > 0; n--) hooks.pass();
        } else {
            hooks.key(keyOfLetter(token[0]), token[1] == '+');
        }
    }
}

ScriptHooks playerHooks() {
    return {[](int32_t key, bool down) {
                platformKeyState()[key] = down;
                world->player.handleAction(actionOfKey(key), down);
            },
            [] { world->player.update(); }};
}

std::string describe(const Actor& actor, int32_t originX, int32_t originY) {
    const Body& b = actor.body;
    std::ostringstream out;
    out << b.x - originX << ' ' << b.y - originY << ' ' << b.vx << ' ' << b.vy << ' ' << actor.state << ' '
        << actor.anim << ' ' << int(b.facingLeft);
    return out.str();
}
