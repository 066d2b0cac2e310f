#include "bench/bench_world.h"

#include <new>

#include "actors/enemy.h"
#include "actors/player_tuning.h"
#include "shell/world.h"

namespace {

constexpr int LandingPassLimit = 200;

// Enemies stand in rows across the view, every behaviour in turn.
constexpr int EnemiesPerRow = 16;
constexpr int32_t EnemySpacing = 36;
constexpr int32_t EnemyRowSpacing = 70;
constexpr int32_t ViewMargin = 40;

// Shots fly slowly across the view in both directions, of the player and of enemies.
constexpr int ShotsPerRow = 9;
constexpr int32_t ShotSpacing = 64;
constexpr int32_t ShotRowSpacing = 48;
constexpr int32_t ShotSpeeds = 6;

SpawnPoint spawnPoints[ActorSlotCount];

Enemy* enemyInView(int slot) {
    SpawnPoint& point = spawnPoints[slot];
    point.x = world->cameraX + ViewMargin + EnemySpacing * (slot % EnemiesPerRow);
    point.y = world->player.body.y + world->player.body.height - EnemyRowSpacing * (slot / EnemiesPerRow % 4);
    point.enemyType = slot % BehaviourTypeCount;
    point.facingLeft = slot % 2;
    return newEnemy(&point);
}

void fireInView(int shot) {
    int32_t speed = 1 + shot % ShotSpeeds;
    fireProjectile(shot % 2, world->cameraX + ViewMargin + ShotSpacing * (shot % ShotsPerRow),
                   world->cameraY + ViewMargin + ShotRowSpacing * (shot / ShotsPerRow), shot % 2 ? speed : -speed, 0,
                   shot % ProjectileTypeCount);
}

}  // namespace

bool landInStartRoom(PlayHarness& harness) {
    for (int pass = 0; pass < LandingPassLimit; pass++) {
        harness.pass();
        if (harness.player().state == StateStand) return true;
    }
    return false;
}

void fillTables() {
    for (int slot = 0; slot < ActorSlotCount; slot++) {
        if (slot != actorCursor && !world->actorSlots[slot]) world->actorSlots[slot] = enemyInView(slot);
    }
    // Until the pool takes no more: the cursor's own record is never taken.
    for (int shot = 0, before = -1; projectilesInFlight() != before; shot++) {
        before = projectilesInFlight();
        fireInView(shot);
    }
    world->player.health = PlayerFullHealth;
}

int enemiesInPlay() {
    int count = 0;
    for (const Actor* enemy : world->actorSlots) count += enemy != nullptr;
    return count;
}

int projectilesInFlight() {
    int count = 0;
    for (const Projectile& projectile : world->projectiles) count += projectile.type != ProjectileFree;
    return count;
}
