// One enemy in a real World, run pass by pass through its behaviour.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>

#include "actors/behaviours.h"
#include "actors/collision.h"
#include "actors/enemy.h"
#include "shell/world.h"
#include "tests/support/test_world.h"

constexpr int32_t Centre = 16000;  // room 25, 25: far from every edge of the world
constexpr int32_t ShotType = 1;
constexpr int32_t ShotDamage = 10;
constexpr int32_t EnemyWide = 30;
constexpr int32_t EnemyTall = 60;

inline void placePlayer(int32_t x, int32_t y) { world->player.init(x, y, 0); }

inline int projectilesInFlight() {
    int count = 0;
    for (const Projectile& projectile : world->projectiles) count += projectile.type != ProjectileFree;
    return count;
}

inline const Projectile& lastFired() { return world->projectiles[projectileCursor]; }

inline int32_t waitCounter(const Enemy* enemy) { return enemy->moveTimers[0][1]; }
inline int32_t shotCounter(const Enemy* enemy) { return enemy->attackTimers[0][1]; }

// A player's shot flying at vx strikes the enemy.
inline void shoot(Enemy* enemy, int32_t vx) {
    Projectile shot{};
    shot.body.vx = vx;
    shot.type = ShotType;
    shot.owner = 1;
    ASSERT_TRUE(enemy->hit(shot));
}

class BehaviourTest : public ::testing::Test {
protected:
    BehaviourTest() {
        world->projectileTypes[ShotType].damage = ShotDamage;
        placePlayer(Centre, Centre);
    }

    // An enemy in slot 0, in place of the one before, whose box has its top-left corner at (x, y).
    Enemy* makeEnemy(int32_t x, int32_t y, uint8_t facingLeft = 0) {
        delete world->actorSlots[0];
        spawn = SpawnPoint{x + EnemyWide / 2, y + EnemyTall, 0, facingLeft, 1};
        Enemy* enemy = new Enemy(&spawn);
        world->actorSlots[0] = enemy;
        return enemy;
    }

    // Cells of one class over rows row0..row1 and columns col0..col1.
    void fillBlock(int32_t row0, int32_t row1, int32_t col0, int32_t col1, int8_t cls) const {
        for (int32_t row = row0; row <= row1; row++) testWorld.fillRow(row, col0, col1, cls);
    }

    SpawnPoint spawn{};
    TestWorld testWorld;
};
