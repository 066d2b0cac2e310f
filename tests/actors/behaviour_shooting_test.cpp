// Shooters: when they fire, which way, how long a shot lasts, and what a hit does to it.
#include <vector>

#include "actors/enemy.h"
#include "actors/enemy_steps.h"
#include "tests/actors/behaviour_fixture.h"

namespace {

using ShootingTest = BehaviourTest;

// Passes (counted from 1) in which a projectile left the enemy, and in which the
// behaviour went back to waiting.
struct ShotLog {
    std::vector<int> fired;
    std::vector<int> ended;
};

ShotLog runShooter(Enemy* enemy, void (*behaviour)(Enemy*), int firstPass, int lastPass) {
    ShotLog log;
    for (int pass = firstPass; pass <= lastPass; pass++) {
        int before = projectilesInFlight();
        int32_t phaseBefore = enemy->phase;
        behaviour(enemy);
        if (projectilesInFlight() != before) log.fired.push_back(pass);
        if (phaseBefore != 0 && enemy->phase == 0) log.ended.push_back(pass);
    }
    return log;
}

TEST_F(ShootingTest, HoveringShooterFiresAtThePlayerOnceEvery61PassesWithoutMoving) {
    Enemy* enemy = makeEnemy(Centre, Centre);
    // Just beyond the band below the player's top edge: aimed any lower, the shot would go level.
    placePlayer(Centre + 200, Centre - 65);
    ShotLog log = runShooter(enemy, hoverAndShoot, 1, 190);
    EXPECT_EQ(enemy->body.x, Centre);
    EXPECT_EQ(enemy->body.y, Centre);
    EXPECT_EQ(log.fired, (std::vector<int>{41, 102, 163}));
    EXPECT_EQ(log.ended, (std::vector<int>{61, 122, 183}));

    const Projectile& shot = lastFired();
    EXPECT_EQ(shot.type, ShotType);
    EXPECT_EQ(shot.owner, 0);
    EXPECT_EQ(shot.body.x, Centre + 15);
    EXPECT_EQ(shot.body.y, Centre);
    EXPECT_EQ(shot.body.vx, 0);
    EXPECT_EQ(shot.body.vy, -16);
}

struct ShotCase {
    const char* name;
    int32_t stateBefore;
    int32_t below;  // enemy's y minus the target's y
    uint8_t facingLeft;
    int32_t anim;
    int32_t stateAfter;
    int32_t vx, vy;            // of the projectile
    int32_t muzzleX, muzzleY;  // from the enemy's top-left corner
};

const ShotCase shotCases[] = {
    {"standing 64 below shoots up", StateStand, 64, 0, 5, StateAttack, 0, -16, 15, 0},
    {"standing 63 below shoots level", StateStand, 63, 0, 4, StateAttack, 16, 0, 30, 30},
    {"running 65 below shoots up", StateRun, 65, 1, 5, StateAttack, 0, -16, 15, 0},
    {"standing 65 above shoots level", StateStand, -65, 0, 4, StateAttack, 16, 0, 30, 30},
    {"standing facing left shoots left", StateStand, 0, 1, 4, StateAttack, -16, 0, 0, 30},
    {"hovering 64 below shoots level", StateHover, 64, 0, 15, StateAirAttack, 16, 0, 30, 30},
    {"hovering 65 below shoots up", StateHover, 65, 0, 16, StateAirAttack, 0, -16, 15, 0},
    {"airborne 64 above shoots level", StateAir, -64, 1, 15, StateAirAttack, -16, 0, 0, 30},
    {"airborne 65 above shoots down", StateAir, -65, 0, 17, StateAirAttack, 0, 16, 15, 60},
    {"hovering 65 above shoots down", StateHover, -65, 1, 17, StateAirAttack, 0, 16, 15, 60},
};

TEST_F(ShootingTest, HeightDifferenceAndPostureChooseTheShot) {
    Enemy* enemy = makeEnemy(Centre, Centre);
    for (const ShotCase& c : shotCases) {
        SCOPED_TRACE(c.name);
        enemy->state = c.stateBefore;
        enemy->body.facingLeft = c.facingLeft;
        enemy->body.vx = 5;
        enemy->body.vy = 7;
        enemy->frame = 3;
        enemy->attackTimers[0][1] = 0;
        // The target stands behind the enemy: only its height may matter.
        int32_t targetX = c.facingLeft ? Centre + 300 : Centre - 300;
        int before = projectilesInFlight();

        EXPECT_EQ(shootStep(enemy, targetX, Centre - c.below, ShotType), 0);

        EXPECT_EQ(projectilesInFlight(), before + 1);
        EXPECT_EQ(enemy->anim, c.anim);
        EXPECT_EQ(enemy->state, c.stateAfter);
        EXPECT_EQ(enemy->frame, 0);
        EXPECT_EQ(shotCounter(enemy), 1);
        bool standing = c.stateAfter == StateAttack;
        EXPECT_EQ(enemy->body.vx, standing ? 0 : 5);
        EXPECT_EQ(enemy->body.vy, standing ? 0 : 7);
        const Projectile& shot = lastFired();
        EXPECT_EQ(shot.owner, 0);
        EXPECT_EQ(shot.type, ShotType);
        EXPECT_EQ(shot.body.vx, c.vx);
        EXPECT_EQ(shot.body.vy, c.vy);
        EXPECT_EQ(shot.body.x, Centre + c.muzzleX);
        EXPECT_EQ(shot.body.y, Centre + c.muzzleY);
    }
}

TEST_F(ShootingTest, HurtEnemyStartsNoShotButCountsIt) {
    Enemy* enemy = makeEnemy(Centre, Centre);
    enemy->state = StateHurt;
    enemy->anim = 2;
    EXPECT_EQ(shootStep(enemy, Centre, Centre, ShotType), 0);
    EXPECT_EQ(projectilesInFlight(), 0);
    EXPECT_EQ(shotCounter(enemy), 1);
    EXPECT_EQ(enemy->state, StateHurt);
    EXPECT_EQ(enemy->anim, 2);
}

struct PostureCase {
    const char* name;
    int32_t stateBefore;
    int32_t shootingState;
    int32_t shootingAnim;
    int32_t shootingFrames;
    int32_t stateAfter;
    int32_t animAfter;
};

TEST_F(ShootingTest, PostureReturnsWhenTheShootingAnimationEndsAndTheShotEndsOnThe21stCall) {
    const PostureCase cases[] = {
        {"standing", StateStand, StateAttack, 4, 6, StateStand, 0},
        {"hovering", StateHover, StateAirAttack, 15, 3, StateAir, 13},
    };
    Enemy* enemy = makeEnemy(Centre, Centre);
    for (const PostureCase& c : cases) {
        SCOPED_TRACE(c.name);
        testWorld.setFrameCount(c.shootingAnim, c.shootingFrames);
        enemy->state = c.stateBefore;
        enemy->attackTimers[0][1] = 0;
        int before = projectilesInFlight();
        ASSERT_EQ(shootStep(enemy, Centre, Centre, ShotType), 0);
        for (int call = 2; call <= 20; call++) {
            SCOPED_TRACE(call);
            ASSERT_EQ(shootStep(enemy, Centre, Centre, ShotType), 0);
            bool ended = call > c.shootingFrames;
            EXPECT_EQ(enemy->anim, ended ? c.animAfter : c.shootingAnim);
            EXPECT_EQ(enemy->state, ended ? c.stateAfter : c.shootingState);
        }
        enemy->frame = 2;
        EXPECT_EQ(shootStep(enemy, Centre, Centre, ShotType), StepOver);
        EXPECT_EQ(enemy->frame, 0);
        EXPECT_EQ(enemy->state, c.stateAfter);
        EXPECT_EQ(shotCounter(enemy), 0);
        EXPECT_EQ(projectilesInFlight(), before + 1);
    }
}

TEST_F(ShootingTest, StanderCountsNoWaitingPassesWhileItFalls) {
    const int32_t upperFloor = 502, lowerFloor = 510;
    testWorld.fillRow(upperFloor, 495, 505, ClassWall);
    testWorld.fillRow(lowerFloor, 495, 505, ClassWall);
    Enemy* enemy = makeEnemy(Centre, upperFloor * 32 - 61);
    placePlayer(Centre + 200, lowerFloor * 32 - 61);
    for (int pass = 0; pass < 10; pass++) standAndShoot(enemy);
    ASSERT_EQ(enemy->state, StateStand);
    ASSERT_EQ(waitCounter(enemy), 10);

    // Its floor gives way under it.
    testWorld.fillRow(upperFloor, 495, 505, ClassEmpty);
    int airbornePasses = 0;
    int pass = 0;
    while (enemy->body.y + EnemyTall != lowerFloor * 32 - 1) {
        ASSERT_LT(++pass, 100) << "never landed";
        standAndShoot(enemy);
        if (enemy->state == StateAir) airbornePasses++;
        ASSERT_EQ(waitCounter(enemy), enemy->state == StateAir ? 10 : 11);
        ASSERT_EQ(projectilesInFlight(), 0);
    }
    EXPECT_GT(airbornePasses, 3);
    EXPECT_EQ(enemy->state, StateStand);

    // Ten passes before the fall, the landing and 29 more make up the wait of 40.
    ShotLog log = runShooter(enemy, standAndShoot, 1, 31);
    EXPECT_EQ(log.fired, (std::vector<int>{30}));
}

TEST_F(ShootingTest, ShotInterruptedByAHitGoesOnWithoutFiringAgain) {
    Enemy* enemy = makeEnemy(Centre, Centre);
    placePlayer(Centre + 200, Centre);
    ShotLog first = runShooter(enemy, hoverAndShoot, 1, 46);
    ASSERT_EQ(first.fired, (std::vector<int>{41}));
    ASSERT_EQ(shotCounter(enemy), 6);

    shoot(enemy, 16);
    int recovery = 0;
    for (int pass = 1; enemy->state == StateHurt; pass++) {
        ASSERT_LT(pass, 20) << "never recovered";
        hoverAndShoot(enemy);
        recovery = pass;
    }
    EXPECT_EQ(recovery, 4);  // the hurt animation's four frames
    EXPECT_EQ(enemy->phase, 0);
    EXPECT_EQ(shotCounter(enemy), 6);

    // A full wait, then the 14 passes left of the old shot, silent, then its end.
    ShotLog after = runShooter(enemy, hoverAndShoot, 1, 150);
    EXPECT_EQ(after.ended, (std::vector<int>{55, 116}));
    EXPECT_EQ(after.fired, (std::vector<int>{96}));
}

}  // namespace
