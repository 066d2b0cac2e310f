// The small steps every enemy behaviour is built from, and what they give.
#pragma once
#include <cstdint>

class Enemy;

// walkStep results.
enum WalkResult : int32_t {
    WalkOn = 0,
    WalkBlocked = 1,  // a wall stopped the second sideways move
    WalkAtLedge = 2,  // no floor under the leading foot
};

// standStep results.
enum StandResult : int32_t {
    StandWaiting,
    StandWaitOver,
    StandAirborne,  // falling, so not waiting
};

// One frame on; back to 0 once the frame is at or past the current animation's frame
// count (animations change without a reset, so the frame may already be beyond it).
void advanceAnimation(Enemy* enemy);
WalkResult walkStep(Enemy* enemy);
StandResult standStep(Enemy* enemy);
bool hoverStep(Enemy* enemy);  // true when its wait is over
void waveStep(Enemy* enemy);
void bounceStep(Enemy* enemy);
bool chaseStep(Enemy* enemy, int32_t targetX, int32_t targetY);  // true when its chase is over
// Only the height difference to the target matters: the enemy shoots the way it faces.
// True when the shot is over.
bool shootStep(Enemy* enemy, int32_t targetX, int32_t targetY, int32_t projectileType);
void hurtStep(Enemy* enemy);
bool ledgeAhead(const Enemy* enemy);
