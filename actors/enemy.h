// An enemy: an actor made at a spawn point that runs its type's behaviour.
#pragma once
#include <cstdint>
#include "actors/actor.h"

class Enemy : public Actor {
public:
    explicit Enemy(SpawnPoint* point);
    void update() override;
    bool hit(const Projectile& projectile) override;
    ~Enemy() override;

    int32_t (*moveTimers)[2];    // 8 pairs; [0][1] is the wait counter
    int32_t (*attackTimers)[2];  // 8 pairs; [0][1] is the shot counter
    int32_t phase;               // behaviour phase, 0 when made
};

// An enemy made from the point, or null (the point left armed) when it or its
// timers cannot be allocated.
Enemy* newEnemy(SpawnPoint* point);
