// Shots of the player and the enemies, in a fixed pool.
#pragma once
#include <cstdint>
#include "actors/body.h"

constexpr int32_t ProjectileFree = -1;

struct Projectile {
    Body body;      // 10 x 10 box; vx, vy constant for its life
    int32_t type;   // index into projectileTypes; -1 = free
    uint8_t owner;  // 1 = the player's (hits enemies), 0 = an enemy's (hits the player)
};

void fireProjectile(uint8_t owner, int32_t x, int32_t y, int32_t vx, int32_t vy, int32_t type);
bool overlaps(Body a, Body b);
// Damage of the projectile's type; 0 for a type outside the table.
int32_t projectileDamage(const Projectile& projectile);
void updateProjectile(Projectile* projectile);
