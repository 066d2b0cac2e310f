// What each key event does to the player, by the state it is in.
#include "actors/player.h"

#include "actors/player_shots.h"
#include "actors/player_tuning.h"
#include "actors/sound_cue.h"
#include "shell/platform.h"
#include "shell/player_action.h"
#include "shell/world.h"

namespace {

void jump(Player& player) {
    player.body.vy = PlayerJumpSpeed;
    player.anim = AnimJump;
    player.nextAnim = AnimFall;
    player.frame = 0;
    player.state = StateAir;
    cueFrom(CueJump, player.body);
}

void attack(Player& player, int32_t nextAnim, int32_t nextState) {
    player.frame = 0;
    player.nextAnim = nextAnim;
    player.state = StateAttack;
    player.nextState = nextState;
}

// Running is not a state of its own on the ground: a held arrow only sets the speed.
void onGround(Player& player, int32_t action, bool pressed) {
    Body& body = player.body;
    switch (action) {
    case ActionJump:  // the release jumps too
        jump(player);
        break;
    case ActionLeft:
    case ActionRight: {
        int32_t sign = action == ActionLeft ? -1 : 1;
        if (pressed) {
            body.facingLeft = sign < 0 ? 1 : 0;
            body.vx = sign * PlayerRunSpeed;
            player.anim = AnimRun;
        } else if (body.vx * sign > 0) {
            body.vx = 0;
            player.anim = AnimStand;
        }
        break;
    }
    case ActionDown:
        if (!pressed) break;
        body.vx = 0;
        player.anim = AnimCrouch;
        player.state = StateCrouch;
        player.frame = 0;
        break;
    case ActionFire:
        if (!pressed) break;
        if (player.attackMode == 0) fireShot(&player, ShotStanding);
        attack(player, AnimStand, StateStand);  // vx stays: a running shot slides on
        break;
    }
}

void crouching(Player& player, int32_t action, bool pressed) {
    Body& body = player.body;
    if (action == ActionDown && !pressed) {
        player.anim = AnimStand;
        player.state = StateStand;
    }
    if (!pressed) return;
    switch (action) {
    case ActionJump:
        // Feet into the platform's row, which then lets them through; solid ground puts them back.
        body.y += 1;
        body.vy = PlayerDropSpeed;
        break;
    case ActionLeft: body.facingLeft = 1; break;
    case ActionRight: body.facingLeft = 0; break;
    case ActionFire:
        fireShot(&player, ShotCrouching);
        player.anim = AnimCrouchShot;
        attack(player, AnimCrouch, StateCrouch);
        break;
    }
}

void inAir(Player& player, int32_t action, bool pressed) {
    Body& body = player.body;
    if (!pressed) return;
    switch (action) {
    case ActionLeft:
        body.facingLeft = 1;
        body.vx = body.vx == PlayerRunSpeed ? 0 : -PlayerRunSpeed;
        break;
    case ActionRight:
        body.facingLeft = 0;
        body.vx = body.vx == -PlayerRunSpeed ? 0 : PlayerRunSpeed;
        break;
    case ActionFire:
        if (player.attackMode == 0) fireShot(&player, ShotAir);
        attack(player, AnimFall, StateAir);
        break;
    }
}

void attacking(Player& player, int32_t action, bool pressed) {
    if (player.nextState != StateAir) {
        player.body.vx = 0;
        player.body.vy = 0;
    }
    // Letting go of down during a crouching shot stands up when it ends.
    if (action == ActionDown && !pressed && player.nextState == StateCrouch) {
        player.nextState = StateStand;
        player.nextAnim = AnimStand;
    }
}

void onLadder(Player& player, int32_t action, bool pressed) {
    player.body.vx = 0;
    player.body.vy = 0;
    if (!pressed) return;
    switch (action) {
    case ActionJump: jump(player); break;
    case ActionLeft: player.body.facingLeft = 1; break;
    case ActionRight: player.body.facingLeft = 0; break;
    case ActionFire:
        fireShot(&player, ShotLadder);
        attack(player, AnimLadder, StateLadder);
        break;
    }
}

}  // namespace

void Player::handleAction(int32_t action, int32_t pressed) {
    keys = platformKeyState();
    switch (state) {
    case StateStand:
    case StateRun: onGround(*this, action, pressed != 0); break;
    case StateCrouch: crouching(*this, action, pressed != 0); break;
    case StateAir: inAir(*this, action, pressed != 0); break;
    case StateAttack: attacking(*this, action, pressed != 0); break;
    case StateLadder: onLadder(*this, action, pressed != 0); break;
    default: state = StateAir; break;  // hurt, or no state after a queued animation
    }
}
