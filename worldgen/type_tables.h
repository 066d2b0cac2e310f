// The enemy and projectile type tables built by world setup.
#pragma once
#include <cstdint>
#include "shell/numbers.h"

class Enemy;

struct EnemyType {
    uint32_t partTextures[PartCount];  // one texture per figure part
    void (*behaviour)(Enemy* enemy);   // null for types without a behaviour
};

struct ProjectileType {
    int32_t damage;    // health taken from an actor it hits
    uint32_t texture;  // its 64 x 64 picture
};
