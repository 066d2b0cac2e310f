// The player's placement, its pass of movement, and being hit.
#include "actors/player.h"

#include "actors/collision.h"
#include "actors/ladder.h"
#include "actors/player_tuning.h"
#include "actors/projectile.h"
#include "actors/restart.h"
#include "actors/sound_cue.h"
#include "shell/platform.h"
#include "shell/world.h"

namespace {

// The state and run the player lands in, chosen by the arrow held.
void land(Player& player) {
    Body& body = player.body;
    player.nextState = -1;
    if (player.held(KeyLeft) || player.held(KeyRight)) {
        body.facingLeft = player.held(KeyLeft) ? 1 : 0;
        body.vx = body.facingLeft ? -PlayerRunSpeed : PlayerRunSpeed;
        player.state = StateRun;
        player.anim = AnimRun;
    } else if (player.held(KeyDown)) {
        body.vx = 0;
        player.state = StateCrouch;
        player.anim = AnimCrouch;
    } else {
        body.vx = 0;
        player.state = StateStand;
        player.anim = AnimStand;
    }
}

// In the air the arrows steer; with neither held the last speed stays.
void steer(Player& player) {
    Body& body = player.body;
    if (player.held(KeyLeft)) {
        body.vx = -PlayerRunSpeed;
        body.facingLeft = 1;
    } else if (player.held(KeyRight)) {
        body.vx = PlayerRunSpeed;
        body.facingLeft = 0;
    }
}

void advanceClock(Player& player) {
    player.frame++;
    if (player.frame < world->animations[player.anim].frameCount) return;
    player.frame = 0;
    if (player.nextAnim == -1) return;
    player.anim = player.nextAnim;
    player.nextAnim = -1;
    player.state = player.nextState;  // even -1
}

}  // namespace

bool Player::held(int32_t key) const { return keys && keys[key]; }

void Player::init(int32_t x, int32_t y, int32_t) {
    body.x = x;
    body.y = y;
    body.vx = 0;
    body.vy = 0;
    body.width = PlayerWidth;
    body.height = PlayerHeight;
    health = PlayerFullHealth;
    state = StateAir;
    nextState = StateAir;
    anim = AnimStand;
    nextAnim = AnimStand;
    frame = 0;
    attackMode = 0;
    body.facingLeft = body.facingLeft ? 1 : 0;  // a restart keeps the facing
    keys = platformKeyState();
}

void Player::update() {
    advanceClock(*this);

    switch (checkLadder(this)) {
    case LadderStill:
        state = StateLadder;
        anim = AnimLadder;
        return;
    case LadderUp:
    case LadderDown:
        state = StateLadder;
        anim = AnimClimb;
        return;
    case LadderAttack: return;
    default: break;
    }

    body.vy += PlayerGravity;
    bool landed = moveVertical(this);
    bool blocked = moveHorizontal(this);
    if (landed) {
        if (body.vy > 0 && (state == StateAir || nextState == StateAir)) {
            if (body.vy >= LandingHeardSpeed) cueFrom(CueLanding, body);
            land(*this);
        }
        body.vy = 0;
    } else {
        steer(*this);
        if (state != StateAir && nextState != StateAir) {
            state = StateAir;
            anim = AnimFall;
        }
    }
    if (blocked) body.vx = 0;
}

bool Player::hit(const Projectile& projectile) {
    if (health < 1) {
        restartGame();
        return false;
    }
    takeHit(projectile);
    cueFrom(CuePlayerHurt, body);
    return true;
}
