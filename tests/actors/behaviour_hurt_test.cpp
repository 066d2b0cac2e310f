// Being hit: the hurt animation, recovery with health left, dying and removal.
#include <vector>

#include "actors/actor_slots.h"
#include "actors/enemy.h"
#include "actors/enemy_steps.h"
#include "tests/actors/behaviour_fixture.h"

namespace {

using HurtTest = BehaviourTest;

struct FrameCase {
    int32_t frameCount;
    int32_t before;
    int32_t after;
};

TEST_F(HurtTest, AnimationWrapsAtOrPastItsFrameCount) {
    // Past it: an animation changed under a frame of a longer one.
    const FrameCase cases[] = {{4, 0, 1}, {4, 2, 3}, {4, 3, 0}, {4, 9, 0}, {1, 0, 0}, {10, 7, 8}};
    Enemy* enemy = makeEnemy(Centre, Centre);
    enemy->anim = 41;
    for (const FrameCase& c : cases) {
        testWorld.setFrameCount(41, c.frameCount);
        enemy->frame = c.before;
        advanceAnimation(enemy);
        EXPECT_EQ(enemy->frame, c.after) << c.before << " of " << c.frameCount;
    }
}

struct RecoveryCase {
    const char* name;
    void (*behaviour)(Enemy*);
    int32_t phase;
    int32_t hurtFrames;
};

TEST_F(HurtTest, HitEnemyFallsThroughItsHurtThenRecoversAtPhaseZeroAndHoversWhereItIs) {
    const RecoveryCase cases[] = {
        {"hover and shoot, waiting", hoverAndShoot, 0, 4},
        {"hover and chase, chasing", hoverChaseShoot, 1, 5},
        {"hover and chase, shooting", hoverChaseShoot, 8, 3},
        {"wave, flying", hoverThenWave, 8, 4},
        {"bounce, flying", hoverThenBounce, 8, 6},
    };
    const int32_t dy[] = {-6, -10, -12, -12, -10};  // knocked up 8, then gravity
    for (const RecoveryCase& c : cases) {
        SCOPED_TRACE(c.name);
        testWorld.setFrameCount(2, c.hurtFrames);
        Enemy* enemy = makeEnemy(Centre, Centre);
        enemy->phase = c.phase;
        shoot(enemy, 16);
        for (int pass = 0; pass < c.hurtFrames - 1; pass++) {
            c.behaviour(enemy);
            ASSERT_EQ(enemy->state, StateHurt);
            EXPECT_EQ(enemy->anim, 2);
            EXPECT_EQ(enemy->body.x, Centre + 8 * (pass + 1));
            EXPECT_EQ(enemy->body.y, Centre + dy[pass]);
        }
        Body hurtBody = enemy->body;
        c.behaviour(enemy);
        EXPECT_EQ(enemy->state, StateAir);
        EXPECT_EQ(enemy->anim, 13);
        EXPECT_EQ(enemy->frame, 0);
        EXPECT_EQ(enemy->phase, 0);
        EXPECT_EQ(enemy->health, 10);
        EXPECT_EQ(enemy->body.x, hurtBody.x);
        EXPECT_EQ(enemy->body.y, hurtBody.y);

        c.behaviour(enemy);
        EXPECT_EQ(enemy->state, StateHover);
        EXPECT_EQ(enemy->body.x, hurtBody.x);
        EXPECT_EQ(enemy->body.y, hurtBody.y);
    }
}

struct DyingCase {
    int32_t hurtFrames;
    std::vector<int32_t> anims;  // shown while dying, in order
    int deadPass;
};

// Standing on a floor, hit twice: knocked up, back down, and through the dying animations.
class DyingTest : public BehaviourTest {
protected:
    static constexpr int32_t FloorRow = 502;
    static constexpr int32_t StandingY = FloorRow * 32 - EnemyTall - 1;

    Enemy* killStander(int32_t hurtFrames) {
        testWorld.fillRow(FloorRow, 490, 510, ClassWall);
        testWorld.setFrameCount(2, hurtFrames);
        world->enemyTypes[0].behaviour = standAndShoot;
        Enemy* enemy = makeEnemy(Centre, StandingY);
        shoot(enemy, 16);
        shoot(enemy, 16);
        EXPECT_EQ(enemy->health, 0);
        return enemy;
    }
};

const DyingCase dyingCases[] = {
    {10, {2, 54, 66}, 18},     // lands before the hurt animation ends
    {4, {2, 13, 54, 66}, 17},  // still airborne when it ends
};

TEST_F(DyingTest, DyingPlaysOnTheGroundAndEndsDead) {
    for (const DyingCase& c : dyingCases) {
        SCOPED_TRACE(c.hurtFrames);
        Enemy* enemy = killStander(c.hurtFrames);
        std::vector<int32_t> anims{enemy->anim};
        int pass = 0;
        while (enemy->state != StateDead) {
            ASSERT_LT(++pass, 100) << "never died";
            ASSERT_EQ(enemy->state, StateHurt);
            standAndShoot(enemy);
            if (enemy->anim != anims.back()) anims.push_back(enemy->anim);
        }
        EXPECT_EQ(anims, c.anims);
        EXPECT_EQ(pass, c.deadPass);
        EXPECT_EQ(enemy->body.y, StandingY);
        EXPECT_EQ(enemy->body.vx, 0);
    }
}

TEST_F(DyingTest, ActorUpdateRemovesItInThePassItDies) {
    for (const DyingCase& c : dyingCases) {
        SCOPED_TRACE(c.hurtFrames);
        killStander(c.hurtFrames);
        int32_t room = roomOf(Centre);
        for (int pass = 1; pass < c.deadPass; pass++) {
            updateActors(room, room);
            ASSERT_NE(world->actorSlots[0], nullptr) << "removed early, pass " << pass;
        }
        updateActors(room, room);
        EXPECT_EQ(world->actorSlots[0], nullptr);
        EXPECT_EQ(spawn.armed, 0);  // killed, not left behind
    }
}

}  // namespace
