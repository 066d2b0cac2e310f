#include <gtest/gtest.h>

#include "actors/behaviours.h"
#include "tests/actors/actor_fixture.h"

namespace {

TEST(EnemyMade, FromItsSpawnPoint) {
    TestWorld w;
    for (uint8_t facing : {0, 1}) {
        SpawnPoint point{16100, 16600, 7, facing, 1};
        Enemy enemy(&point);
        EXPECT_EQ(point.armed, 0);
        EXPECT_EQ(enemy.spawnPoint, &point);
        EXPECT_EQ(enemy.enemyType, 7);
        // The spawn point is the middle of the feet.
        EXPECT_EQ(bodyText(enemy.body), bodyText(Body{16085, 16540, 0, 0, 0, 60, 30, facing}));
        EXPECT_EQ(enemy.state, StateAir);
        EXPECT_EQ(enemy.nextState, StateAir);
        EXPECT_EQ(enemy.anim, 13);
        EXPECT_EQ(enemy.nextAnim, 13);
        EXPECT_EQ(enemy.health, 20);
        EXPECT_EQ(enemy.phase, 0);
        for (int32_t pair = 0; pair < 8; pair++) {
            EXPECT_TRUE(enemy.moveTimers[pair][0] == 0 && enemy.moveTimers[pair][1] == 0);
            EXPECT_TRUE(enemy.attackTimers[pair][0] == 0 && enemy.attackTimers[pair][1] == 0);
        }
    }
}

TEST(EnemyHit, DamageKnockBackAndHurt) {
    struct Case {
        int32_t health, shotVx;
        bool usedUp;
        int32_t healthAfter, vx;
    } cases[] = {
        {20, 16, true, 10, 8},
        {20, -15, true, 10, -7},  // halved towards zero
        {5, 3, true, -5, 1},
        {1, 16, true, -9, 8},
        {0, 16, false, 0, 0},     // no health left: the shot flies on
        {-4, 16, false, -4, 0},
    };
    for (const Case& c : cases) {
        TestWorld w;
        w->projectileTypes[1].damage = 10;
        SpawnPoint point{1000, 1000, 0, 0, 1};
        Enemy enemy(&point);
        enemy.health = c.health;
        enemy.nextAnim = 41;
        enemy.nextState = StateStand;
        Projectile shot{Body{0, 0, 0, c.shotVx, 0, 10, 10, 0}, 1, 1};
        EXPECT_EQ(enemy.hit(shot), c.usedUp) << "health " << c.health;
        EXPECT_EQ(enemy.health, c.healthAfter) << "health " << c.health;
        EXPECT_EQ(enemy.body.vx, c.vx) << "health " << c.health;
        EXPECT_EQ(enemy.body.vy, c.usedUp ? -8 : 0);
        EXPECT_EQ(enemy.state, c.usedUp ? StateHurt : StateAir);
        EXPECT_EQ(enemy.anim, c.usedUp ? 2 : 13);
        EXPECT_EQ(enemy.nextAnim, 41) << "left as it was";
        EXPECT_EQ(enemy.nextState, StateStand) << "left as it was";
    }
}

TEST(EnemyUpdate, RunsItsTypesBehaviour) {
    TestWorld w;
    w->enemyTypes[3].behaviour = hoverAndShoot;
    SpawnPoint point{1000, 1000, 3, 0, 1};
    Enemy enemy(&point);
    enemy.update();
    EXPECT_EQ(enemy.state, StateHover);
    EXPECT_EQ(enemy.moveTimers[0][1], 1) << "one pass of waiting counted";
}

// A type that cannot act leaves play: it is marked dead instead of calling through nothing.
TEST(EnemyUpdate, ATypeWithoutBehaviourDies) {
    for (int32_t type : {18, 35, 36, -1, 1000}) {
        TestWorld w;
        for (EnemyType& enemyType : w->enemyTypes) enemyType.behaviour = hoverAndShoot;
        if (type >= 0 && type < EnemyTypeCount) w->enemyTypes[type].behaviour = nullptr;
        SpawnPoint point{1000, 1000, type, 0, 1};
        Enemy enemy(&point);
        enemy.update();
        EXPECT_EQ(enemy.state, StateDead) << "type " << type;
        EXPECT_EQ(enemy.body.x, 985) << "type " << type;
    }
}

}  // namespace
