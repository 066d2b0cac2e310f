// An enemy in play, made from a room's spawn point.
#include "actors/enemy.h"

#include <new>

#include "actors/enemy_tuning.h"
#include "actors/projectile.h"
#include "actors/sound_cue.h"
#include "content/animation_numbers.h"
#include "shell/world.h"

namespace {

constexpr int TimerPairs = 8;

}  // namespace

Enemy::Enemy(SpawnPoint* point)
    : Actor(),  // value-initialised: the player-only fields stay zero
      moveTimers(new (std::nothrow) int32_t[TimerPairs][2]()),
      attackTimers(new (std::nothrow) int32_t[TimerPairs][2]()),
      phase(0) {
    if (!moveTimers || !attackTimers) return;  // newEnemy throws it away
    spawnPoint = point;
    body.facingLeft = point->facingLeft;
    enemyType = point->enemyType;
    point->armed = 0;
    body.vx = 0;
    body.vy = 0;
    body.width = EnemyWidth;
    body.height = EnemyHeight;
    // The spawn point is the middle of the feet.
    body.x = point->x - EnemyWidth / 2;
    body.y = point->y - EnemyHeight;
    state = StateAir;
    nextState = StateAir;
    anim = AnimFall;
    nextAnim = AnimFall;
    frame = 0;
    health = EnemyHealth;
}

Enemy* newEnemy(SpawnPoint* point) {
    Enemy* enemy = new (std::nothrow) Enemy(point);
    if (enemy && enemy->moveTimers && enemy->attackTimers) return enemy;
    delete enemy;
    return nullptr;
}

Enemy::~Enemy() {
    delete[] moveTimers;
    delete[] attackTimers;
}

void Enemy::update() {
    bool known = enemyType >= 0 && enemyType < EnemyTypeCount;
    void (*behaviour)(Enemy*) = known ? world->enemyTypes[enemyType].behaviour : nullptr;
    if (!behaviour) {
        // A type that cannot act leaves play at once, and stays out until a restart.
        state = StateDead;
        return;
    }
    behaviour(this);
}

bool Enemy::hit(const Projectile& projectile) {
    if (health < 1) return false;  // dying enemies let shots through
    takeHit(projectile);
    cueFrom(health < 1 ? CueEnemyDies : CueEnemyHit, body);  // below 1 it can only die
    return true;
}
