// Shots of the player and the enemies, in a fixed pool.
#pragma once
#include <cstdint>
#include "actors/body.h"

constexpr int32_t ProjectileFree = -1;
constexpr int32_t ProjectileDamage = 10;  // of every projectile type
constexpr int32_t KnockUpSpeed = -8;      // vy of an actor a shot hits

// Whose shot it is: the player's hit enemies, an enemy's hit the player.
enum ShotOwner : uint8_t {
    OwnerEnemy = 0,
    OwnerPlayer = 1,
};

struct Projectile {
    Body body;      // 10 x 10 box; vx, vy constant for its life
    int32_t type;   // index into projectileTypes; -1 = free
    uint8_t owner;  // ShotOwner
};

// owner: a ShotOwner.
void fireProjectile(uint8_t owner, int32_t x, int32_t y, int32_t vx, int32_t vy, int32_t type);
bool overlaps(Body a, Body b);
// Damage of the projectile's type; 0 for a type outside the table.
int32_t projectileDamage(const Projectile& projectile);
void updateProjectile(Projectile* projectile);
