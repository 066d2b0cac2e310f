#include <gtest/gtest.h>

#include <algorithm>

#include "shell/player_action.h"
#include "tests/actors/actor_fixture.h"

namespace {

constexpr int32_t FloorRow = 20;
constexpr int32_t StandingY = 32 * FloorRow - 61;

TEST(PlayerJump, RisesSixteenPassesAndLandsOnTheThirtyFourth) {
    TestWorld w;
    Player& player = standingPlayer(w, 320, FloorRow);
    player.handleAction(ActionJump, 1);
    int32_t rise = 0;
    for (int32_t pass = 1; pass <= 34; pass++) {
        int32_t before = player.body.y;
        player.update();
        int32_t step = before - player.body.y;
        if (pass <= 17) {
            EXPECT_EQ(step, 17 - pass) << "pass " << pass;
            rise += step;
        } else {
            EXPECT_LE(step, 0) << "pass " << pass;
        }
        EXPECT_EQ(player.state == StateStand, pass == 34) << "pass " << pass;
    }
    EXPECT_EQ(rise, 136);
    EXPECT_EQ(player.body.y, StandingY);
    // Space let go on the ground jumps again.
    player.handleAction(ActionJump, 0);
    EXPECT_EQ(player.state, StateAir);
    EXPECT_EQ(player.body.vy, -17);
}

TEST(PlayerLanding, ArrowHeldChoosesRunCrouchOrStand) {
    struct Case {
        int32_t key;  // -1: none
        int32_t state, vx, anim, facingLeft;
    } cases[] = {
        {KeyLeft, StateRun, -8, 1, 1},
        {KeyRight, StateRun, 8, 1, 0},
        {KeyDown, StateCrouch, 0, 10, 0},
        {-1, StateStand, 0, 0, 0},
    };
    for (const Case& c : cases) {
        TestWorld w;
        w.fillRow(FloorRow, 0, 80, ClassWall);
        if (c.key >= 0) hold(c.key);
        Player& player = w->player;
        player.init(1000, StandingY - 100, 0);
        for (int32_t pass = 0; pass < 14; pass++) player.update();  // 105 pixels down in 14
        EXPECT_EQ(player.body.y, StandingY) << "key " << c.key;
        EXPECT_EQ(player.state, c.state) << "key " << c.key;
        EXPECT_EQ(player.body.vx, c.vx) << "key " << c.key;
        EXPECT_EQ(player.anim, c.anim) << "key " << c.key;
        EXPECT_EQ(player.body.facingLeft, c.facingLeft) << "key " << c.key;
    }
}

TEST(PlayerAir, ArrowsSteerEveryPassAndTheLastSpeedStays) {
    TestWorld w;
    Player& player = w->player;
    player.init(1000, 1000, 0);
    hold(KeyRight);
    player.update();
    player.update();
    EXPECT_EQ(player.body.x, 1008) << "the speed set in one pass moves in the next";
    hold(KeyRight, false);
    player.update();
    EXPECT_EQ(player.body.x, 1016);
    // A press against the motion stops it; another starts the other way.
    player.handleAction(ActionLeft, 1);
    EXPECT_EQ(player.body.vx, 0);
    player.handleAction(ActionLeft, 1);
    EXPECT_EQ(player.body.vx, -8);
    EXPECT_EQ(player.body.facingLeft, 1);
}

// Crouch and jump: through a platform to the floor below; on solid ground the player is put back.
TEST(PlayerCrouch, DropsThroughAPlatformButNotAFloor) {
    for (int8_t floor : {ClassPlatform, ClassWall}) {
        TestWorld w;
        w.fillRow(FloorRow + 5, 0, 80, ClassWall);
        Player& player = standingPlayer(w, 320, FloorRow);
        w.fillRow(FloorRow, 0, 80, floor);
        player.handleAction(ActionDown, 1);
        player.handleAction(ActionJump, 1);
        EXPECT_EQ(player.body.y, StandingY + 1);
        player.update();
        bool through = floor == ClassPlatform;
        EXPECT_EQ(player.body.y, through ? StandingY + 9 : StandingY) << "class " << int(floor);
        EXPECT_EQ(player.state, through ? StateAir : StateCrouch) << "class " << int(floor);
        if (!through) continue;
        for (int32_t pass = 0; pass < 20; pass++) player.update();
        EXPECT_EQ(player.body.y, 32 * (FloorRow + 5) - 61);
        EXPECT_EQ(player.state, StateStand);
    }
}

// Over a hill: up one slope, across the top, down the other, never stopped. Slopes turned the
// other way are walls on the side that faces the walker.
TEST(PlayerSlopes, WalkingOverAHillBothWaysAndIntoTheWallSides) {
    struct Case {
        int8_t leftSlope, rightSlope;
        int32_t key, startX;
        int32_t stopX;  // -1: crosses the hill
    } cases[] = {
        {ClassSlopeUp, ClassSlopeDown, KeyRight, 100, -1},
        {ClassSlopeUp, ClassSlopeDown, KeyLeft, 900, -1},
        {ClassSlopeDown, ClassSlopeUp, KeyRight, 100, 320 - 31},
        {ClassSlopeDown, ClassSlopeUp, KeyLeft, 900, 21 * 32},
    };
    constexpr int32_t Row = 11;
    for (const Case& c : cases) {
        TestWorld w;
        Player& player = standingPlayer(w, c.startX, Row);
        w.setCell(Row - 1, 10, c.leftSlope);
        w.fillRow(Row - 1, 11, 19, ClassWall);
        w.setCell(Row - 1, 20, c.rightSlope);
        hold(c.key);
        player.handleAction(c.key == KeyRight ? ActionRight : ActionLeft, 1);
        int32_t highest = bottomOf(player.body);
        bool steady = true;
        for (int32_t pass = 1; pass <= 100; pass++) {
            player.update();
            highest = std::min(highest, bottomOf(player.body));
            steady = steady && player.body.x == c.startX + (c.key == KeyRight ? 8 : -8) * pass;
        }
        bool crosses = c.stopX < 0;
        EXPECT_EQ(steady, crosses) << "key " << c.key;
        EXPECT_EQ(highest, crosses ? 32 * (Row - 1) - 1 : 32 * Row - 1) << "key " << c.key;
        EXPECT_EQ(bottomOf(player.body), 32 * Row - 1) << "key " << c.key;
        if (!crosses) {
            EXPECT_EQ(player.body.x, c.stopX) << "key " << c.key;
        }
    }
}

// A queued animation that starts after a landing leaves the player in state -1 until a key event.
TEST(PlayerStates, QueuedAnimationAfterLandingLeavesNoState) {
    TestWorld w;
    w.setFrameCount(14, 40);  // the jump pose outlasts the jump
    Player& player = standingPlayer(w, 320, FloorRow);
    player.handleAction(ActionJump, 1);
    for (int32_t pass = 0; pass < 41; pass++) player.update();
    EXPECT_EQ(player.state, -1) << "and the landing rule does not apply to it";
    EXPECT_EQ(player.anim, 13);
    player.handleAction(ActionShift, 1);
    EXPECT_EQ(player.state, StateAir);
    player.update();
    EXPECT_EQ(player.state, StateStand);
}

TEST(PlayerInit, ResetsAndKeepsTheFacing) {
    TestWorld w;
    Player& player = w->player;
    EXPECT_EQ(player.body.facingLeft, 0) << "a fresh world faces right";
    player.body.facingLeft = 7;
    player.health = 3;
    player.init(16320, 16320, 99);
    EXPECT_EQ(player.body.facingLeft, 1);
    EXPECT_EQ(player.health, 100);
    EXPECT_EQ(player.state, StateAir);
    EXPECT_EQ(player.nextState, StateAir);
    EXPECT_EQ(player.keys, platformKeyState());
}

}  // namespace
