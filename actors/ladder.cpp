// The ladder test and climbing step of the player.
#include "actors/ladder.h"

#include "actors/collision.h"
#include "actors/player.h"
#include "actors/player_tuning.h"
#include "shell/numbers.h"
#include "shell/platform.h"

namespace {

bool isLadder(int32_t cls) { return cls == ClassLadder || cls == ClassLadderTop; }

// Column of the last ladder cell in the top or bottom row of the box, or -1.
int32_t ladderColumn(int32_t rowTop, int32_t rowBot, int32_t colL, int32_t colR) {
    int32_t found = -1;
    for (int32_t col = colL; col <= colR; col++) {
        if (isLadder(cellClass(rowTop, col))) found = col;
        if (isLadder(cellClass(rowBot, col))) found = col;
    }
    return found;
}

}  // namespace

LadderResult checkLadder(Player* player) {
    if (player->state == StateAttack) return player->nextState == StateLadder ? LadderAttack : LadderNone;

    Body& body = player->body;
    LadderResult want = LadderStill;
    if (player->held(KeyUp)) want = LadderUp;
    if (player->held(KeyDown)) want = LadderDown;
    if (player->state != StateLadder && player->nextState != StateLadder && want == LadderStill) return LadderNone;

    // Only the top and bottom rows of the box, displaced by the current velocity.
    int32_t col = ladderColumn((body.y + body.vy) >> TileShift, (body.y + body.vy + body.height) >> TileShift,
                               (body.x + body.vx) >> TileShift, (body.x + body.vx + body.width) >> TileShift);
    if (col < 0) return LadderNone;

    if (want == LadderStill) return LadderStill;
    body.vy = want == LadderDown ? PlayerClimbSpeed : -PlayerClimbSpeed;
    body.x = TilePixels * col - 1;
    bool stopped = moveVertical(player);
    if (want == LadderUp) return LadderUp;
    if (stopped) {
        body.vy = 0;  // feet on the ground: normal physics from this pass on
        return LadderNone;
    }
    return LadderDown;
}
