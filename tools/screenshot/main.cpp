// screenshot PICTURE: the README's picture of the game, the same bytes on every
// run: the main loop's own passes from the start, the player firing at a fixed
// pass, drawn off-screen. Run from the folder that holds data/.
#include <cstdio>

#include "tools/offscreen/play_harness.h"

namespace {

constexpr long FallPasses = 60;  // the player has landed on the first room's floor
constexpr long ShotPasses = 6;   // the shot is well clear of the gun

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: screenshot PICTURE.png\n");
        return 2;
    }
    PlayHarness game;
    if (!game.ok()) return 1;
    while (game.passes() < FallPasses) game.pass();
    game.press(KeyLeftControl);
    game.release(KeyLeftControl);
    while (game.passes() < FallPasses + ShotPasses) game.pass();
    if (!game.savePngTo(argv[1])) return 1;
    return 0;
}
