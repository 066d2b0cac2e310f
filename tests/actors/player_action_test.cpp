#include <gtest/gtest.h>

#include <string>

#include "shell/player_action.h"
#include "tests/actors/actor_fixture.h"

namespace {

constexpr int32_t FloorRow = 20;

// Running is handled exactly like standing.
TEST(PlayerOnGround, ActionsInStandAndRun) {
    struct Case {
        const char* what;
        int32_t action, pressed;
        int32_t vxBefore;
        int32_t state, vx, anim, facingLeft;
    } cases[] = {
        {"left pressed", ActionLeft, 1, 0, -1, -8, 1, 1},
        {"left released while running left", ActionLeft, 0, -8, -1, 0, 0, 0},
        {"left released while running right", ActionLeft, 0, 8, -1, 8, 5, 0},
        {"right pressed", ActionRight, 1, 0, -1, 8, 1, 0},
        {"right released while running right", ActionRight, 0, 8, -1, 0, 0, 0},
        {"right released while running left", ActionRight, 0, -8, -1, -8, 5, 0},
        {"down pressed", ActionDown, 1, 8, StateCrouch, 0, 10, 0},
        {"down released", ActionDown, 0, 8, -1, 8, 5, 0},
        {"jump pressed", ActionJump, 1, 8, StateAir, 8, 14, 0},
        {"jump released", ActionJump, 0, 8, StateAir, 8, 14, 0},
        {"up pressed", ActionUp, 1, 8, -1, 8, 5, 0},
        {"shift pressed", ActionShift, 1, 8, -1, 8, 5, 0},
    };
    for (int32_t groundState : {StateStand, StateRun}) {
        for (const Case& c : cases) {
            TestWorld w;
            Player& player = standingPlayer(w, 320, FloorRow);
            player.state = groundState;
            player.anim = 5;
            player.frame = 3;
            player.body.vx = c.vxBefore;
            player.handleAction(c.action, c.pressed);
            std::string what = std::string(c.what) + (groundState == StateRun ? " (run)" : " (stand)");
            EXPECT_EQ(player.state, c.state < 0 ? groundState : c.state) << what;
            EXPECT_EQ(player.body.vx, c.vx) << what;
            EXPECT_EQ(player.anim, c.anim) << what;
            EXPECT_EQ(player.body.facingLeft, c.facingLeft) << what;
            if (c.action == ActionDown && c.pressed) {
                EXPECT_EQ(player.frame, 0) << what;
            }
            if (c.action == ActionJump) {
                EXPECT_EQ(player.body.vy, -17) << what;
                EXPECT_EQ(player.nextAnim, 13) << what;
                EXPECT_EQ(player.frame, 0) << what;
            }
        }
    }
}

TEST(PlayerAttack, AStandingShotEndsInStandWhileSliding) {
    TestWorld w;
    Player& player = standingPlayer(w, 320, FloorRow);
    player.handleAction(ActionRight, 1);
    player.handleAction(ActionFire, 1);
    EXPECT_EQ(player.state, StateAttack);
    EXPECT_EQ(player.nextState, StateStand);
    EXPECT_EQ(player.nextAnim, 0);
    EXPECT_EQ(player.frame, 0);
    EXPECT_EQ(player.body.vx, 8) << "a running shot slides on";
    for (int32_t pass = 0; pass < 4; pass++) player.update();
    EXPECT_EQ(player.state, StateStand);
    EXPECT_EQ(player.anim, 0);
    EXPECT_EQ(player.nextAnim, -1);
}

TEST(PlayerAttack, AnyKeyEventStopsAGroundShotButNotAnAirShot) {
    struct Case {
        int32_t nextState;
        int32_t vx, vy;
    } cases[] = {
        {StateStand, 0, 0},
        {StateCrouch, 0, 0},
        {StateLadder, 0, 0},
        {StateAir, 8, -3},
    };
    for (const Case& c : cases) {
        for (int32_t pressed : {0, 1}) {
            TestWorld w;
            Player& player = w->player;
            player.init(1000, 1000, 0);
            player.state = StateAttack;
            player.nextState = c.nextState;
            player.body.vx = 8;
            player.body.vy = -3;
            player.handleAction(ActionShift, pressed);
            EXPECT_EQ(player.state, StateAttack);
            EXPECT_EQ(player.body.vx, c.vx) << "next state " << c.nextState;
            EXPECT_EQ(player.body.vy, c.vy) << "next state " << c.nextState;
        }
    }
}

TEST(PlayerAttack, LettingGoOfDownDuringACrouchingShotStandsUpAfterIt) {
    TestWorld w;
    Player& player = standingPlayer(w, 320, FloorRow);
    player.handleAction(ActionDown, 1);
    player.handleAction(ActionFire, 1);
    EXPECT_EQ(player.state, StateAttack);
    EXPECT_EQ(player.nextState, StateCrouch);
    EXPECT_EQ(player.anim, 12);
    EXPECT_EQ(player.nextAnim, 10);
    player.handleAction(ActionDown, 0);
    EXPECT_EQ(player.nextState, StateStand);
    EXPECT_EQ(player.nextAnim, 0);
    for (int32_t pass = 0; pass < 4; pass++) player.update();
    EXPECT_EQ(player.state, StateStand);
    EXPECT_EQ(player.anim, 0);
}

TEST(PlayerCrouch, ActionsWhileCrouching) {
    TestWorld w;
    Player& player = standingPlayer(w, 320, FloorRow);
    player.handleAction(ActionDown, 1);
    player.handleAction(ActionLeft, 1);
    EXPECT_EQ(player.body.facingLeft, 1);
    EXPECT_EQ(player.body.vx, 0) << "crouching only turns";
    player.handleAction(ActionRight, 1);
    EXPECT_EQ(player.body.facingLeft, 0);
    EXPECT_EQ(player.state, StateCrouch);
    player.handleAction(ActionDown, 0);
    EXPECT_EQ(player.state, StateStand);
    EXPECT_EQ(player.anim, 0);
}

TEST(PlayerLadder, ActionsOnALadder) {
    struct Case {
        const char* what;
        int32_t action, pressed;
        int32_t state, vy, facingLeft;
    } cases[] = {
        {"jump pressed", ActionJump, 1, StateAir, -17, 0},
        {"jump released", ActionJump, 0, StateLadder, 0, 0},
        {"left pressed", ActionLeft, 1, StateLadder, 0, 1},
        {"left released", ActionLeft, 0, StateLadder, 0, 0},
        {"right pressed", ActionRight, 1, StateLadder, 0, 0},
        {"down pressed", ActionDown, 1, StateLadder, 0, 0},
    };
    for (const Case& c : cases) {
        TestWorld w;
        Player& player = w->player;
        player.init(1000, 1000, 0);
        player.state = StateLadder;
        player.body.vx = 8;
        player.body.vy = 5;
        player.handleAction(c.action, c.pressed);
        EXPECT_EQ(player.state, c.state) << c.what;
        EXPECT_EQ(player.body.vx, 0) << c.what;
        EXPECT_EQ(player.body.vy, c.vy) << c.what;
        EXPECT_EQ(player.body.facingLeft, c.facingLeft) << c.what;
    }
}

// Hurt, or no state at all: any key event, even a release or a key that starts nothing, means the air.
TEST(PlayerStates, AnyKeyEventInOtherStatesMeansTheAir) {
    for (int32_t state : {int32_t(StateHurt), -1, 3, 23}) {
        for (int32_t action : {ActionShift, ActionJump, ActionFire, ActionZ}) {
            for (int32_t pressed : {0, 1}) {
                TestWorld w;
                Player& player = w->player;
                player.init(1000, 1000, 0);
                player.state = state;
                player.handleAction(action, pressed);
                EXPECT_EQ(player.state, StateAir) << "state " << state << " action " << action;
                EXPECT_EQ(player.body.vy, 0) << "nothing else happens";
            }
        }
    }
}

TEST(PlayerActions, ReadTheLiveKeyboardState) {
    TestWorld w;
    Player& player = w->player;
    player.keys = nullptr;
    player.state = StateHurt;
    player.handleAction(ActionShift, 1);
    EXPECT_EQ(player.keys, platformKeyState());
}

}  // namespace
