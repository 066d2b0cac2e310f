// Flyers: the chase, the wave and the bounce.
#include <cstdlib>
#include <vector>

#include "actors/enemy.h"
#include "actors/enemy_steps.h"
#include "tests/actors/behaviour_fixture.h"

namespace {

using FlightTest = BehaviourTest;

constexpr int WaitPasses = 40;

void hoverThroughTheWait(Enemy* enemy, void (*behaviour)(Enemy*)) {
    for (int pass = 0; pass < WaitPasses; pass++) behaviour(enemy);
    ASSERT_EQ(enemy->body.x, Centre);
    ASSERT_EQ(enemy->body.y, Centre);
    ASSERT_EQ(enemy->state, StateHover);
    ASSERT_EQ(enemy->anim, 50);
}

struct ChaseCase {
    int32_t dx, dy;  // target minus enemy
    int32_t vx, vy;
    uint8_t facingLeft;
};

TEST_F(FlightTest, ChaseSpeedIsADistanceThirtiethTruncatedAndLimitedToSix) {
    const ChaseCase cases[] = {
        {600, 0, 6, 0, 0},   {-600, 0, -6, 0, 1}, {90, 0, 3, 0, 0},   {-90, 0, -3, 0, 1},
        {29, 0, 0, 0, 0},    {-29, 0, 0, 0, 1},   {-31, 0, -1, 0, 1}, {0, 0, 0, 0, 1},
        {0, 600, 0, 6, 1},   {0, -90, 0, -3, 1},  {0, 29, 0, 0, 1},   {0, -29, 0, 0, 1},
        {180, -179, 6, -5, 0}, {-209, 210, -6, 6, 1},
    };
    Enemy* enemy = makeEnemy(Centre, Centre);
    for (const ChaseCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "dx " << c.dx << " dy " << c.dy);
        enemy->body.x = Centre;
        enemy->body.y = Centre;
        EXPECT_EQ(chaseStep(enemy, Centre + c.dx, Centre + c.dy), 0);
        EXPECT_EQ(enemy->body.vx, c.vx);
        EXPECT_EQ(enemy->body.vy, c.vy);
        EXPECT_EQ(enemy->body.x, Centre + c.vx);
        EXPECT_EQ(enemy->body.y, Centre + c.vy);
        EXPECT_EQ(enemy->body.facingLeft, c.facingLeft);
        EXPECT_EQ(enemy->state, StateHover);
        EXPECT_EQ(enemy->anim, 50);
    }
}

TEST_F(FlightTest, ChaserHoversThenAlternatesFortyPassesOfChaseWithOneShot) {
    // A wall between the chaser and the player does not stop it.
    fillBlock(495, 505, (Centre + 100) >> 5, (Centre + 100) >> 5, ClassWall);
    Enemy* enemy = makeEnemy(Centre, Centre);
    placePlayer(Centre + 600, Centre);
    hoverThroughTheWait(enemy, hoverChaseShoot);

    std::vector<int> fired;
    int32_t xWhenShotStarted = 0;
    for (int pass = 41; pass <= 150; pass++) {
        int before = projectilesInFlight();
        int32_t x = enemy->body.x;
        hoverChaseShoot(enemy);
        if (projectilesInFlight() != before) {
            fired.push_back(pass);
            xWhenShotStarted = x;
        }
        // Forty passes at full speed, then still through the shot.
        if (pass >= 80 && pass <= 101) {
            EXPECT_EQ(enemy->body.x, Centre + 40 * 6) << "pass " << pass;
        }
    }
    EXPECT_EQ(fired, (std::vector<int>{81, 142}));
    EXPECT_GT(xWhenShotStarted, Centre + 40 * 6);
    EXPECT_EQ(enemy->body.y, Centre);
    EXPECT_EQ(lastFired().body.vx, 16);
}

TEST_F(FlightTest, WaveEndsEveryCycleAtItsStartingHeight128PixelsOnThroughWalls) {
    const int32_t cycleSpeeds[] = {9, 6, 3, 0, -3, -6, -9, -12, -9, -6, -3, 0, 3, 6, 9, 12};
    // Walls all along its path either way.
    fillBlock(495, 505, 480, 520, ClassWall);
    for (uint8_t facingLeft : {0, 1}) {
        SCOPED_TRACE(facingLeft ? "facing left" : "facing right");
        Enemy* enemy = makeEnemy(Centre, Centre, facingLeft);
        hoverThroughTheWait(enemy, hoverThenWave);
        int32_t direction = facingLeft ? -1 : 1;
        for (int cycle = 1; cycle <= 3; cycle++) {
            for (int32_t speed : cycleSpeeds) {
                int32_t y = enemy->body.y;
                hoverThenWave(enemy);
                ASSERT_EQ(enemy->body.y - y, speed) << "cycle " << cycle;
            }
            EXPECT_EQ(enemy->body.y, Centre);
            EXPECT_EQ(enemy->body.x, Centre + direction * 128 * cycle);
        }
        EXPECT_EQ(enemy->state, StateHover);
        EXPECT_EQ(enemy->phase, 8);
    }
}

// Walls around a box of open cells from column and row 496 to 504.
constexpr int32_t BoxWall0 = 495, BoxWall1 = 505;
constexpr int32_t BoxLeft = (BoxWall0 + 1) * 32, BoxRight = BoxWall1 * 32 - 1;

TEST_F(FlightTest, BounceStartsUpAndForwardAndReflectsOffEveryWall) {
    for (int32_t wall : {BoxWall0, BoxWall1}) {
        fillBlock(wall, wall, BoxWall0, BoxWall1, ClassWall);
        fillBlock(BoxWall0, BoxWall1, wall, wall, ClassWall);
    }
    for (uint8_t facingLeft : {0, 1}) {
        SCOPED_TRACE(facingLeft ? "facing left" : "facing right");
        Enemy* enemy = makeEnemy(Centre, Centre, facingLeft);
        hoverThroughTheWait(enemy, hoverThenBounce);
        hoverThenBounce(enemy);
        EXPECT_EQ(enemy->body.x, Centre + (facingLeft ? -8 : 8));
        EXPECT_EQ(enemy->body.y, Centre - 8);

        int flipsAtRight = 0, flipsAtLeft = 0, flipsAtCeiling = 0, flipsAtFloor = 0;
        for (int pass = 0; pass < 400; pass++) {
            Body before = enemy->body;
            hoverThenBounce(enemy);
            const Body& body = enemy->body;
            ASSERT_EQ(std::abs(body.vx), 8);
            ASSERT_EQ(std::abs(body.vy), 8);
            ASSERT_GE(body.x, BoxLeft);
            ASSERT_LE(body.x + EnemyWide, BoxRight);
            ASSERT_GE(body.y, BoxLeft);
            ASSERT_LE(body.y + EnemyTall, BoxRight);
            if (body.vx != before.vx) {
                ASSERT_EQ(body.y, before.y) << "moved up or down in a pass that bounced sideways";
                if (body.vx < 0) {
                    EXPECT_EQ(body.x + EnemyWide, BoxRight);
                    flipsAtRight++;
                } else {
                    EXPECT_EQ(body.x, BoxLeft);
                    flipsAtLeft++;
                }
            }
            if (body.vy != before.vy) {
                if (body.vy > 0) {
                    EXPECT_EQ(body.y, BoxLeft);
                    flipsAtCeiling++;
                } else {
                    EXPECT_EQ(body.y + EnemyTall, BoxRight);
                    flipsAtFloor++;
                }
            }
        }
        EXPECT_GE(flipsAtRight, 3);
        EXPECT_GE(flipsAtLeft, 3);
        EXPECT_GE(flipsAtCeiling, 3);
        EXPECT_GE(flipsAtFloor, 3);
        EXPECT_EQ(enemy->state, StateHover);
        EXPECT_EQ(enemy->anim, 37);
    }
}

}  // namespace
