#include <gtest/gtest.h>

#include "shell/player_action.h"
#include "tests/actors/actor_fixture.h"

namespace {

constexpr int32_t FloorRow = 20;
constexpr int32_t StandingY = 32 * FloorRow - 61;

TEST(PlayerJump, RisesSixteenPassesAndLandsOnTheThirtyFourth) {
    TestWorld w;
    Player& player = standingPlayer(w, 320, FloorRow);
    ASSERT_EQ(player.state, StateStand);
    ASSERT_EQ(player.body.y, StandingY);

    player.handleAction(ActionJump, 1);
    int32_t rise = 0;
    for (int32_t pass = 1; pass <= 34; pass++) {
        int32_t before = player.body.y;
        player.update();
        int32_t step = before - player.body.y;
        if (pass <= 16) {
            EXPECT_EQ(step, 17 - pass) << "pass " << pass;
        } else if (pass == 17) {
            EXPECT_EQ(step, 0);
        }
        rise += step > 0 ? step : 0;
        EXPECT_EQ(player.state == StateStand, pass == 34) << "pass " << pass;
    }
    EXPECT_EQ(rise, 136);
    EXPECT_EQ(player.body.y, StandingY);
    EXPECT_EQ(player.body.vy, 0);
}

// The release of Space jumps too on the ground, so holding it through a landing jumps again.
TEST(PlayerJump, ReleaseOnTheGroundJumpsAgain) {
    TestWorld w;
    Player& player = standingPlayer(w, 320, FloorRow);
    player.handleAction(ActionJump, 1);
    for (int32_t pass = 0; pass < 34; pass++) player.update();
    ASSERT_EQ(player.state, StateStand);
    player.handleAction(ActionJump, 0);
    EXPECT_EQ(player.state, StateAir);
    EXPECT_EQ(player.body.vy, -17);
    EXPECT_EQ(player.anim, 14);
    EXPECT_EQ(player.nextAnim, 13);
}

// Falling onto the floor with an arrow held picks the state the player lands in.
TEST(PlayerLanding, ArrowHeldChoosesRunCrouchOrStand) {
    struct Case {
        const char* what;
        int32_t key;  // -1: none
        int32_t state, vx, anim, facingLeft;
    } cases[] = {
        {"left", KeyLeft, StateRun, -8, 1, 1},
        {"right", KeyRight, StateRun, 8, 1, 0},
        {"down", KeyDown, StateCrouch, 0, 10, 0},
        {"nothing", -1, StateStand, 0, 0, 0},
    };
    for (const Case& c : cases) {
        TestWorld w;
        w.fillRow(FloorRow, 0, 80, ClassWall);
        if (c.key >= 0) hold(c.key);
        Player& player = w->player;
        player.init(1000, StandingY - 100, 0);
        int32_t passes = 0;
        while (player.body.vy != 0 || passes == 0) {
            player.update();
            ASSERT_LT(++passes, 100) << c.what;
        }
        EXPECT_EQ(player.body.y, StandingY) << c.what;
        EXPECT_EQ(player.state, c.state) << c.what;
        EXPECT_EQ(player.nextState, -1) << c.what;
        EXPECT_EQ(player.body.vx, c.vx) << c.what;
        EXPECT_EQ(player.anim, c.anim) << c.what;
        EXPECT_EQ(player.body.facingLeft, c.facingLeft) << c.what;
    }
}

TEST(PlayerAir, ArrowsSteerEveryPassAndTheLastSpeedStays) {
    TestWorld w;
    Player& player = w->player;
    player.init(1000, 1000, 0);
    hold(KeyRight);
    player.update();
    EXPECT_EQ(player.body.vx, 8);
    player.update();
    EXPECT_EQ(player.body.x, 1008);  // the new speed moves from the next pass on
    hold(KeyRight, false);
    player.update();
    player.update();
    EXPECT_EQ(player.body.vx, 8);
    EXPECT_EQ(player.body.x, 1024);

    // A key press against the motion stops it; another starts the other way.
    player.handleAction(ActionLeft, 1);
    EXPECT_EQ(player.body.vx, 0);
    EXPECT_EQ(player.body.facingLeft, 1);
    player.handleAction(ActionLeft, 1);
    EXPECT_EQ(player.body.vx, -8);
    player.handleAction(ActionRight, 1);
    EXPECT_EQ(player.body.vx, 0);
    EXPECT_EQ(player.body.facingLeft, 0);
}

TEST(PlayerCrouch, DropsThroughAPlatformButNotAFloor) {
    struct Case {
        const char* what;
        int8_t floor;
        int32_t yAfterOnePass;
        int32_t state;
    } cases[] = {
        {"platform", ClassPlatform, StandingY + 1 + 8, StateAir},
        {"wall", ClassWall, StandingY, StateCrouch},
    };
    for (const Case& c : cases) {
        TestWorld w;
        w.fillRow(FloorRow + 5, 0, 80, ClassWall);  // a floor below the platform
        Player& player = standingPlayer(w, 320, FloorRow);
        w.fillRow(FloorRow, 0, 80, c.floor);
        player.handleAction(ActionDown, 1);
        ASSERT_EQ(player.state, StateCrouch) << c.what;
        player.handleAction(ActionJump, 1);
        EXPECT_EQ(player.body.y, StandingY + 1) << c.what;
        EXPECT_EQ(player.body.vy, 8) << c.what;
        player.update();
        EXPECT_EQ(player.body.y, c.yAfterOnePass) << c.what;
        EXPECT_EQ(player.state, c.state) << c.what;
    }
}

TEST(PlayerCrouch, AfterTheDropItLandsOnTheFloorBelow) {
    TestWorld w;
    w.fillRow(FloorRow + 5, 0, 80, ClassWall);
    Player& player = standingPlayer(w, 320, FloorRow);
    w.fillRow(FloorRow, 0, 80, ClassPlatform);
    player.handleAction(ActionDown, 1);
    player.handleAction(ActionJump, 1);
    for (int32_t pass = 0; pass < 30; pass++) player.update();
    EXPECT_EQ(player.body.y, 32 * (FloorRow + 5) - 61);
    EXPECT_EQ(player.state, StateStand);
}

// Walking over a hill: up one slope, across its top, down the other, never stopped.
// The slopes turned the other way are walls on the side facing the walker.
TEST(PlayerSlopes, WalkingOverAHillBothWaysAndIntoTheWallSides) {
    struct Case {
        const char* what;
        int8_t leftSlope, rightSlope;
        int32_t key, startX;
        int32_t stopX;  // -1: crosses the hill
    } cases[] = {
        {"right over the hill", ClassSlopeUp, ClassSlopeDown, KeyRight, 100, -1},
        {"left over the hill", ClassSlopeUp, ClassSlopeDown, KeyLeft, 900, -1},
        {"right into a down slope", ClassSlopeDown, ClassSlopeUp, KeyRight, 100, 320 - 31},
        {"left into an up slope", ClassSlopeDown, ClassSlopeUp, KeyLeft, 900, 21 * 32},
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
        for (int32_t pass = 1; pass <= 100; pass++) {
            player.update();
            if (bottomOf(player.body) < highest) highest = bottomOf(player.body);
            if (c.stopX < 0) {
                ASSERT_EQ(player.body.x, c.startX + (c.key == KeyRight ? 8 : -8) * pass) << c.what;
            }
        }
        if (c.stopX < 0) {
            EXPECT_EQ(highest, 32 * (Row - 1) - 1) << c.what << ": walked on the hill top";
            EXPECT_EQ(bottomOf(player.body), 32 * Row - 1) << c.what << ": back on the floor";
        } else {
            EXPECT_EQ(player.body.x, c.stopX) << c.what;
            EXPECT_EQ(player.body.vx, 0) << c.what;
            EXPECT_EQ(highest, 32 * Row - 1) << c.what;
        }
    }
}

// A queued animation that starts after a landing leaves the player in state -1 until a key event.
TEST(PlayerStates, QueuedAnimationAfterLandingLeavesNoState) {
    TestWorld w;
    w.setFrameCount(14, 40);  // the jump pose outlasts the jump
    Player& player = standingPlayer(w, 320, FloorRow);
    player.handleAction(ActionJump, 1);
    for (int32_t pass = 0; pass < 34; pass++) player.update();
    ASSERT_EQ(player.state, StateStand);
    for (int32_t pass = 34; pass < 40; pass++) player.update();
    EXPECT_EQ(player.state, -1);
    EXPECT_EQ(player.anim, 13);
    player.update();
    EXPECT_EQ(player.state, -1) << "the landing rule does not apply";
    player.handleAction(ActionShift, 1);
    EXPECT_EQ(player.state, StateAir);
    player.update();
    EXPECT_EQ(player.state, StateStand);
}

TEST(PlayerInit, PlacesResetsAndKeepsTheFacing) {
    TestWorld w;
    Player& player = w->player;
    EXPECT_EQ(player.body.facingLeft, 0) << "a fresh world faces right";
    player.body.facingLeft = 7;
    player.health = 3;
    player.attackMode = 2;
    player.init(16320, 16320, 99);
    EXPECT_EQ(player.body.facingLeft, 1);
    EXPECT_EQ(player.body.x, 16320);
    EXPECT_EQ(player.body.y, 16320);
    EXPECT_EQ(player.body.width, 30);
    EXPECT_EQ(player.body.height, 60);
    EXPECT_EQ(player.health, 100);
    EXPECT_EQ(player.state, StateAir);
    EXPECT_EQ(player.nextState, StateAir);
    EXPECT_EQ(player.nextAnim, 0);
    EXPECT_EQ(player.attackMode, 0);
    EXPECT_EQ(player.keys, platformKeyState());
}

}  // namespace
