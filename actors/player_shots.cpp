#include "actors/player_shots.h"

#include "actors/player.h"
#include "actors/player_tuning.h"
#include "actors/projectile.h"
#include "content/animation_numbers.h"
#include "shell/platform.h"

namespace {

enum ShotStart { FromFront, FromMiddle, FromRight };  // front edge, x + 15, x + 30

struct ShotRow {
    bool needsUp;
    bool needsDown;
    bool needsSide;  // left or right held
    ShotStart start;
    int32_t startDy;  // below the top of the box
    int32_t speedX;   // towards the facing; mirrored when facing left
    int32_t vy;
    int32_t anim;
};

// Within a group, the first row whose arrows are held wins.
const ShotRow standingRows[] = {
    {true, false, true, FromFront, 30, 8, -8, AnimStandShotDiagonalUp},
    {true, false, false, FromMiddle, 0, 0, -16, AnimStandShotUp},
    {false, false, false, FromFront, 25, 16, 0, AnimStandShotForward},
};
const ShotRow crouchingRows[] = {
    {false, false, false, FromRight, 30, 16, 0, AnimCrouchShot},
};
const ShotRow airRows[] = {
    {true, false, true, FromRight, 30, 8, -8, AnimAirShotDiagonalUp},
    {true, false, false, FromMiddle, 0, 0, -16, AnimAirShotUp},
    {false, true, true, FromFront, 40, 8, 8, AnimAirShotDiagonalDown},
    {false, true, false, FromMiddle, 40, 0, 16, AnimAirShotDown},
    {false, false, false, FromRight, 30, 16, 0, AnimAirShotForward},
};
// On a ladder down is tried before up.
const ShotRow ladderRows[] = {
    {false, true, true, FromFront, 40, 8, 8, AnimLadderShotDiagonalDown},
    {false, true, false, FromMiddle, 40, 0, 16, AnimLadderShotDown},
    {true, false, true, FromRight, 30, 8, -8, AnimLadderShotDiagonalUp},
    {true, false, false, FromMiddle, 0, 0, -16, AnimLadderShotUp},
    {false, false, false, FromRight, 30, 16, 0, AnimLadderShotForward},
};

struct Group {
    const ShotRow* rows;
    int count;
};
const Group groups[] = {
    {standingRows, sizeof standingRows / sizeof *standingRows},
    {crouchingRows, sizeof crouchingRows / sizeof *crouchingRows},
    {airRows, sizeof airRows / sizeof *airRows},
    {ladderRows, sizeof ladderRows / sizeof *ladderRows},
};

bool applies(const ShotRow& row, const Player& player) {
    bool side = player.held(KeyLeft) || player.held(KeyRight);
    return (!row.needsUp || player.held(KeyUp)) && (!row.needsDown || player.held(KeyDown)) && (!row.needsSide || side);
}

int32_t startX(ShotStart start, const Body& body) {
    switch (start) {
    case FromFront: return body.facingLeft ? body.x : body.x + 30;
    case FromMiddle: return body.x + 15;
    default: return body.x + 30;
    }
}

}  // namespace

void fireShot(Player* player, ShotGroup group) {
    const Group& table = groups[group];
    for (int i = 0; i < table.count; i++) {
        const ShotRow& row = table.rows[i];
        if (!applies(row, *player)) continue;
        const Body& body = player->body;
        int32_t vx = body.facingLeft ? -row.speedX : row.speedX;
        fireProjectile(OwnerPlayer, startX(row.start, body), body.y + row.startDy, vx, row.vy, PlayerShotType);
        player->anim = row.anim;
        return;
    }
}
