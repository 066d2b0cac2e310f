// Walkers: turning at ledges and walls, walking off ledges, and walking on air.
#include <algorithm>
#include <cstdlib>

#include "actors/enemy.h"
#include "tests/actors/behaviour_fixture.h"

namespace {

using WalkingTest = BehaviourTest;

constexpr int32_t FloorRow = 502;
constexpr int32_t StandingY = FloorRow * 32 - EnemyTall - 1;

struct FloorCase {
    int8_t floorClass;
    int8_t endClass;  // the cells beyond both ends of the floor
};

TEST_F(WalkingTest, LedgeWalkerTurnsAsSoonAsItsLeadingFootIsOverNoFloor) {
    const FloorCase cases[] = {
        {ClassWall, ClassEmpty},      {ClassLadderTop, ClassEmpty}, {ClassPlatform, ClassEmpty},
        {ClassBreakable, ClassEmpty}, {ClassBreakableToo, ClassEmpty}, {ClassWall, ClassSlopeDown},
        {ClassWall, ClassSlopeUp},    {ClassWall, ClassLadder},     {ClassWall, ClassInert},
    };
    const int32_t firstCol = 497, lastCol = 503;
    for (const FloorCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "floor " << int(c.floorClass) << " ends " << int(c.endClass));
        testWorld.fillRow(FloorRow, firstCol, lastCol, c.floorClass);
        testWorld.setCell(FloorRow, firstCol - 1, c.endClass);
        testWorld.setCell(FloorRow, lastCol + 1, c.endClass);
        Enemy* enemy = makeEnemy(Centre, StandingY);
        int32_t leftmost = enemy->body.x, rightmost = enemy->body.x;
        int turns = 0;
        for (int pass = 0; pass < 160; pass++) {
            int32_t x = enemy->body.x;
            uint8_t facingLeft = enemy->body.facingLeft;
            patrolTurnAtLedges(enemy);
            ASSERT_EQ(enemy->body.y, StandingY) << "pass " << pass;
            ASSERT_EQ(enemy->body.x - x, facingLeft ? -8 : 8) << "pass " << pass;
            turns += enemy->body.facingLeft != facingLeft;
            leftmost = std::min(leftmost, enemy->body.x);
            rightmost = std::max(rightmost, enemy->body.x);
        }
        EXPECT_GE(turns, 6);
        EXPECT_EQ(enemy->state, StateRun);
        EXPECT_EQ(enemy->anim, 1);
        // The turn comes in the first pass that puts the leading edge past the floor.
        EXPECT_GE(leftmost, firstCol * 32 - 8);
        EXPECT_LE(leftmost, firstCol * 32 - 1);
        EXPECT_GE(rightmost + EnemyWide, (lastCol + 1) * 32);
        EXPECT_LE(rightmost + EnemyWide, (lastCol + 1) * 32 + 7);
    }
}

TEST_F(WalkingTest, BothWalkersTurnBackAtAWall) {
    const int32_t wallCol = 504;
    testWorld.fillRow(FloorRow, 490, 510, ClassWall);
    fillBlock(FloorRow - 2, FloorRow - 1, wallCol, wallCol, ClassWall);
    for (void (*behaviour)(Enemy*) : {patrolTurnAtLedges, patrolTurnAtWalls}) {
        Enemy* enemy = makeEnemy(Centre, StandingY);
        for (int pass = 0; !enemy->body.facingLeft; pass++) {
            ASSERT_LT(pass, 20) << "never turned";
            behaviour(enemy);
        }
        EXPECT_EQ(enemy->body.x + EnemyWide, wallCol * 32 - 1);
        EXPECT_EQ(enemy->body.y, StandingY);
    }
}

TEST_F(WalkingTest, WallWalkerWalksOffItsLedgeAndFalls) {
    const int32_t lowerRow = 508, wallCol = 512;
    testWorld.fillRow(FloorRow, 495, 503, ClassWall);
    testWorld.fillRow(lowerRow, 490, 520, ClassWall);
    fillBlock(lowerRow - 3, lowerRow - 1, wallCol, wallCol, ClassWall);
    Enemy* enemy = makeEnemy(Centre, StandingY);
    bool fell = false;
    for (int pass = 0; !enemy->body.facingLeft; pass++) {
        ASSERT_LT(pass, 100) << "never turned";
        patrolTurnAtWalls(enemy);
        fell = fell || enemy->state == StateAir;
    }
    EXPECT_TRUE(fell);
    EXPECT_EQ(enemy->body.y + EnemyTall, lowerRow * 32 - 1);
    EXPECT_EQ(enemy->body.x + EnemyWide, wallCol * 32 - 1);
}

struct AirCase {
    const char* name;
    void (*behaviour)(Enemy*);
    int32_t dx[5];  // from the start, after each pass
};

TEST_F(WalkingTest, AirborneWalkersMoveSixteenAPassAndOnlyTheLedgeWalkerFlipsEachTime) {
    const AirCase cases[] = {
        {"ledge walker falls straight down", patrolTurnAtLedges, {16, 0, 16, 0, 16}},
        {"wall walker keeps going", patrolTurnAtWalls, {16, 32, 48, 64, 80}},
    };
    const int32_t dy[5] = {2, 6, 12, 20, 30};
    for (const AirCase& c : cases) {
        SCOPED_TRACE(c.name);
        Enemy* enemy = makeEnemy(Centre, Centre);
        for (int pass = 0; pass < 5; pass++) {
            c.behaviour(enemy);
            EXPECT_EQ(enemy->body.x, Centre + c.dx[pass]) << "pass " << pass;
            EXPECT_EQ(enemy->body.y, Centre + dy[pass]) << "pass " << pass;
            EXPECT_EQ(enemy->state, StateAir);
            EXPECT_EQ(enemy->anim, 13);
        }
    }
}

}  // namespace
