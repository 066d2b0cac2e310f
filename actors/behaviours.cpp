// The seven enemy behaviours: small phase machines over the shared steps.
#include "actors/behaviours.h"

#include "actors/enemy.h"
#include "actors/enemy_steps.h"
#include "actors/enemy_tuning.h"
#include "shell/world.h"

namespace {

constexpr int32_t PhaseWait = 0;  // also the walkers' only phase
constexpr int32_t PhaseChase = 1;
constexpr int32_t PhaseAct = 8;  // shooting, or flying for good

// A hurt enemy does nothing but play its hurt; true when that took this pass.
bool playHurt(Enemy* enemy) {
    if (enemy->state != StateHurt) return false;
    hurtStep(enemy);
    return true;
}

// Aimed at the player's top-left corner; true when the shot is over.
bool shootAtPlayer(Enemy* enemy) {
    const Body& target = world->player.body;
    return shootStep(enemy, target.x, target.y, EnemyShotType);
}

void patrol(Enemy* enemy, bool turnAtLedges) {
    if (playHurt(enemy)) return;
    WalkResult result = walkStep(enemy);
    if (result == WalkBlocked || (turnAtLedges && result == WalkAtLedge)) {
        enemy->body.facingLeft = !enemy->body.facingLeft;
    }
}

// waitStep: true when the wait is over.
void waitThenShoot(Enemy* enemy, bool (*waitStep)(Enemy*)) {
    if (playHurt(enemy)) return;
    if (enemy->phase == PhaseWait) {
        if (waitStep(enemy)) enemy->phase = PhaseAct;
    } else if (shootAtPlayer(enemy)) {
        enemy->phase = PhaseWait;
    }
}

// Hovers through one wait; true in the pass the flight is to start.
bool hoverBeforeFlight(Enemy* enemy) {
    if (!hoverStep(enemy)) return false;
    enemy->phase = PhaseAct;
    return true;
}

}  // namespace

void patrolTurnAtLedges(Enemy* enemy) { patrol(enemy, true); }

void patrolTurnAtWalls(Enemy* enemy) { patrol(enemy, false); }

void standAndShoot(Enemy* enemy) {
    waitThenShoot(enemy, [](Enemy* e) { return standStep(e) == StandWaitOver; });
}

void hoverAndShoot(Enemy* enemy) { waitThenShoot(enemy, hoverStep); }

void hoverThenWave(Enemy* enemy) {
    if (playHurt(enemy)) return;
    if (enemy->phase == PhaseWait) {
        hoverBeforeFlight(enemy);
    } else {
        waveStep(enemy);
    }
}

void hoverThenBounce(Enemy* enemy) {
    if (playHurt(enemy)) return;
    Body& body = enemy->body;
    if (enemy->phase == PhaseWait) {
        if (hoverBeforeFlight(enemy)) {
            body.vx = body.facingLeft ? -BounceSpeed : BounceSpeed;
            body.vy = -BounceSpeed;
        }
    } else {
        bounceStep(enemy);
    }
}

// After the first wait: 40 passes of chasing, one shot, and again.
void hoverChaseShoot(Enemy* enemy) {
    if (playHurt(enemy)) return;
    if (enemy->phase == PhaseWait) {
        if (hoverStep(enemy)) enemy->phase = PhaseChase;
    } else if (enemy->phase == PhaseChase) {
        const Body& target = world->player.body;
        if (chaseStep(enemy, target.x, target.y)) enemy->phase = PhaseAct;
    } else if (shootAtPlayer(enemy)) {
        enemy->phase = PhaseChase;
    }
}
