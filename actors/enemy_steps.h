// The small steps every enemy behaviour is built from, and what they give.
#pragma once
#include <cstdint>

class Enemy;

// What hoverStep, chaseStep and shootStep give when their wait, chase or shot is over.
constexpr int32_t StepOver = 1;

// walkStep results.
enum WalkResult : int32_t {
    WalkOn = 0,
    WalkBlocked = 1,  // a wall stopped the second sideways move
    WalkAtLedge = 2,  // no floor under the leading foot
};

// standStep results.
enum StandResult : int32_t {
    StandWaiting = 0,
    StandWaitOver = StepOver,
    StandAirborne = 2,
};

// One frame on; back to 0 once the frame is at or past the current animation's frame
// count (animations change without a reset, so the frame may already be beyond it).
void advanceAnimation(Enemy* enemy);
WalkResult walkStep(Enemy* enemy);
int32_t standStep(Enemy* enemy);
int32_t hoverStep(Enemy* enemy);
void waveStep(Enemy* enemy);
int32_t bounceStep(Enemy* enemy);  // 1 when it bounced
int32_t chaseStep(Enemy* enemy, int32_t targetX, int32_t targetY);
// Only the height difference to the target matters: the enemy shoots the way it faces.
int32_t shootStep(Enemy* enemy, int32_t targetX, int32_t targetY, int32_t projectileType);
int32_t hurtStep(Enemy* enemy);  // 1 when it recovers
bool ledgeAhead(const Enemy* enemy);
