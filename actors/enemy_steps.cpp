// The small steps every enemy behaviour is built from.
#include "actors/enemy_steps.h"

#include <algorithm>

#include "actors/collision.h"
#include "actors/enemy.h"
#include "actors/enemy_tuning.h"
#include "actors/projectile.h"
#include "content/animation_numbers.h"
#include "shell/world.h"

namespace {

int32_t& waitCounter(Enemy* enemy) { return enemy->moveTimers[0][1]; }
int32_t& shotCounter(Enemy* enemy) { return enemy->attackTimers[0][1]; }

int32_t facingSign(const Enemy* enemy) { return enemy->body.facingLeft ? -1 : 1; }

// Counts one pass of a wait or a chase; true when it has run its length.
bool countWaitPass(Enemy* enemy) {
    int32_t& counter = waitCounter(enemy);
    counter += 1;
    if (counter < WaitPasses) return false;
    counter = 0;
    return true;
}

// EnemyGravity's pass: true when it stands on ground (vy stopped), otherwise it
// drifts sideways and shows the fall.
bool landsOrFalls(Enemy* enemy) {
    enemy->body.vy += EnemyGravity;
    if (moveVertical(enemy)) {
        enemy->body.vy = 0;
        return true;
    }
    moveHorizontal(enemy);
    enemy->anim = AnimFall;
    enemy->state = StateAir;
    return false;
}

// Held up by its own power: hovering and all three kinds of flight.
void showFlight(Enemy* enemy, int32_t anim) {
    enemy->anim = anim;
    enemy->state = StateHover;
    advanceAnimation(enemy);
}

int32_t chaseSpeed(int32_t distance) { return std::clamp(distance / ChaseDivisor, -ChaseSpeedLimit, ChaseSpeedLimit); }

void fireLevel(const Body& body, int32_t type) {
    int32_t muzzleX = body.facingLeft ? body.x : body.x + body.width;
    int32_t speed = body.facingLeft ? -EnemyShotSpeed : EnemyShotSpeed;
    fireProjectile(OwnerEnemy, muzzleX, body.y + body.height / 2, speed, 0, type);
}

void fireUp(const Body& body, int32_t type) {
    fireProjectile(OwnerEnemy, body.x + body.width / 2, body.y, 0, -EnemyShotSpeed, type);
}

void fireDown(const Body& body, int32_t type) {
    fireProjectile(OwnerEnemy, body.x + body.width / 2, body.y + body.height, 0, EnemyShotSpeed, type);
}

// A standing enemy exactly one band below its target already shoots up; an airborne one
// only beyond the band.
void startShot(Enemy* enemy, int32_t targetY, int32_t type) {
    Body& body = enemy->body;
    if (enemy->state == StateStand || enemy->state == StateRun) {
        enemy->state = StateAttack;
        body.vx = 0;
        body.vy = 0;
        enemy->frame = 0;
        if (body.y >= targetY + ShotHeightBand) {
            enemy->anim = AnimEnemyStandShotUp;
            fireUp(body, type);
        } else {
            enemy->anim = AnimEnemyStandShotLevel;
            fireLevel(body, type);
        }
    } else if (enemy->state == StateAir || enemy->state == StateHover) {
        enemy->state = StateAirAttack;
        enemy->frame = 0;
        if (body.y > targetY + ShotHeightBand) {
            enemy->anim = AnimEnemyAirShotUp;
            fireUp(body, type);
        } else if (body.y < targetY - ShotHeightBand) {
            enemy->anim = AnimEnemyAirShotDown;
            fireDown(body, type);
        } else {
            enemy->anim = AnimEnemyAirShotLevel;
            fireLevel(body, type);
        }
    }
}

void endShotPosture(Enemy* enemy) {
    if (enemy->state == StateAttack) {
        enemy->state = StateStand;
        enemy->anim = AnimStand;
    } else if (enemy->state == StateAirAttack) {
        enemy->state = StateAir;
        enemy->anim = AnimFall;
    }
}

// Each animation of the dying sequence gives way to the next when it has run through.
void dieOnGround(Enemy* enemy, bool animationEnded) {
    if (animationEnded) {
        if (enemy->anim == AnimHurt) {
            enemy->anim = AnimEnemyDying;
        } else if (enemy->anim == AnimEnemyDying) {
            enemy->anim = AnimEnemyDead;
        } else if (enemy->anim == AnimEnemyDead) {
            enemy->state = StateDead;
        }
    } else if (enemy->anim == AnimFall) {
        enemy->anim = AnimEnemyDying;
        enemy->frame = 0;
    }
}

}  // namespace

void advanceAnimation(Enemy* enemy) {
    enemy->frame += 1;
    if (enemy->frame >= world->animations[enemy->anim].frameCount) enemy->frame = 0;
}

WalkResult walkStep(Enemy* enemy) {
    Body& body = enemy->body;
    body.vx = facingSign(enemy) * EnemyWalkSpeed;
    if (landsOrFalls(enemy)) {
        enemy->anim = AnimRun;
        enemy->state = StateRun;
    }
    advanceAnimation(enemy);
    if (moveHorizontal(enemy)) return WalkBlocked;
    return ledgeAhead(enemy) ? WalkAtLedge : WalkOn;
}

bool ledgeAhead(const Enemy* enemy) {
    const Body& body = enemy->body;
    int32_t footX = body.facingLeft ? body.x : body.x + body.width;
    int32_t belowFootY = body.y + body.height + 1;
    switch (cellClass(belowFootY >> TileShift, footX >> TileShift)) {
    case ClassWall:
    case ClassLadderTop:
    case ClassPlatform:
    case ClassBreakable:
    case ClassBreakableToo: return false;
    default: return true;
    }
}

StandResult standStep(Enemy* enemy) {
    StandResult result = StandAirborne;
    if (landsOrFalls(enemy)) {
        enemy->body.vx = 0;
        enemy->anim = AnimEnemyStand;
        enemy->state = StateStand;
        result = countWaitPass(enemy) ? StandWaitOver : StandWaiting;
    }
    advanceAnimation(enemy);
    return result;
}

bool hoverStep(Enemy* enemy) {
    enemy->body.vx = 0;
    enemy->body.vy = 0;
    showFlight(enemy, AnimEnemyHover);
    return countWaitPass(enemy);
}

// Flies straight through the grid; each cycle's vertical speeds add up to nothing.
void waveStep(Enemy* enemy) {
    Body& body = enemy->body;
    showFlight(enemy, AnimEnemyHover);
    int32_t& counter = waitCounter(enemy);
    if (counter == 0) {
        body.vy = WaveStartSpeed;
    } else if (counter < WaveCyclePasses / 2) {
        body.vy -= WaveTurn;
    } else {
        body.vy += WaveTurn;
    }
    body.y += body.vy;
    body.x += facingSign(enemy) * WaveSpeed;
    counter += 1;
    if (counter >= WaveCyclePasses) counter = 0;
}

void bounceStep(Enemy* enemy) {
    Body& body = enemy->body;
    waitCounter(enemy) = 0;
    showFlight(enemy, AnimEnemyBounce);
    if (moveHorizontal(enemy)) {
        body.vx = -body.vx;
        return;
    }
    if (moveVertical(enemy)) body.vy = -body.vy;
}

bool chaseStep(Enemy* enemy, int32_t targetX, int32_t targetY) {
    Body& body = enemy->body;
    showFlight(enemy, AnimEnemyHover);
    body.vx = chaseSpeed(targetX - body.x);
    body.vy = chaseSpeed(targetY - body.y);
    body.x += body.vx;
    body.y += body.vy;
    body.facingLeft = body.x >= targetX ? 1 : 0;
    return countWaitPass(enemy);
}

bool shootStep(Enemy* enemy, int32_t, int32_t targetY, int32_t projectileType) {
    int32_t& counter = shotCounter(enemy);
    if (counter == 0) {
        counter = 1;
        startShot(enemy, targetY, projectileType);
        return false;
    }
    if (counter < ShotPasses) {
        counter += 1;
        advanceAnimation(enemy);
        if (enemy->frame == 0) endShotPosture(enemy);
        return false;
    }
    enemy->frame = 0;
    endShotPosture(enemy);
    counter = 0;
    return true;
}

void hurtStep(Enemy* enemy) {
    Body& body = enemy->body;
    advanceAnimation(enemy);
    bool animationEnded = enemy->frame == 0;
    if (animationEnded && enemy->health > 0) {
        enemy->state = StateAir;
        enemy->anim = AnimFall;
        enemy->frame = 0;
        enemy->phase = 0;
        return;
    }
    body.vy += EnemyGravity;
    moveHorizontal(enemy);
    if (moveVertical(enemy)) {
        body.vx = 0;
        body.vy = 0;
        dieOnGround(enemy, animationEnded);
    } else if (animationEnded) {
        enemy->anim = AnimFall;
    }
}
