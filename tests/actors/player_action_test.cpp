#include <gtest/gtest.h>

#include "shell/player_action.h"
#include "tests/actors/actor_fixture.h"

namespace {

// Running is handled exactly like standing.
TEST(PlayerOnGround, ActionsInStandAndRun) {
    struct Case {
        const char* what;
        int32_t action, pressed, vxBefore;
        int32_t state, vx, anim;  // state -1: unchanged
    } cases[] = {
        {"left pressed", ActionLeft, 1, 0, -1, -8, 1},
        {"left released while running left", ActionLeft, 0, -8, -1, 0, 0},
        {"left released while running right", ActionLeft, 0, 8, -1, 8, 5},
        {"right pressed", ActionRight, 1, 0, -1, 8, 1},
        {"right released while running right", ActionRight, 0, 8, -1, 0, 0},
        {"right released while running left", ActionRight, 0, -8, -1, -8, 5},
        {"down pressed", ActionDown, 1, 8, StateCrouch, 0, 10},
        {"down released", ActionDown, 0, 8, -1, 8, 5},
        {"jump released", ActionJump, 0, 8, StateAir, 8, 14},
        {"up pressed", ActionUp, 1, 8, -1, 8, 5},
    };
    for (int32_t groundState : {StateStand, StateRun}) {
        for (const Case& c : cases) {
            TestWorld w;
            Player& player = w->player;
            player.init(1000, 1000, 0);
            player.state = groundState;
            player.anim = 5;
            player.body.vx = c.vxBefore;
            player.handleAction(c.action, c.pressed);
            EXPECT_EQ(player.state, c.state < 0 ? groundState : c.state) << c.what << " in " << groundState;
            EXPECT_EQ(player.body.vx, c.vx) << c.what << " in " << groundState;
            EXPECT_EQ(player.anim, c.anim) << c.what << " in " << groundState;
        }
    }
}

// Letting go of down while a crouching shot plays stands the player up when it ends.
TEST(PlayerAttack, CrouchingShotThenStandingUp) {
    TestWorld w;
    Player& player = standingPlayer(w, 320, 20);
    player.handleAction(ActionDown, 1);
    player.handleAction(ActionFire, 1);
    EXPECT_EQ(player.nextState, StateCrouch);
    player.handleAction(ActionDown, 0);
    EXPECT_EQ(player.nextState, StateStand);
    EXPECT_EQ(player.nextAnim, 0);
    for (int32_t pass = 0; pass < 4; pass++) player.update();
    EXPECT_EQ(player.state, StateStand);
    EXPECT_EQ(player.anim, 0);
}

// During a shot every key event stops the player, unless it shoots in the air.
TEST(PlayerAttack, AnyKeyEventStopsAGroundShotButNotAnAirShot) {
    for (int32_t nextState : {StateStand, StateCrouch, StateLadder, StateAir}) {
        TestWorld w;
        Player& player = w->player;
        player.init(1000, 1000, 0);
        player.state = StateAttack;
        player.nextState = nextState;
        player.body.vx = 8;
        player.body.vy = -3;
        player.handleAction(ActionShift, 0);
        bool keeps = nextState == StateAir;
        EXPECT_EQ(player.body.vx, keeps ? 8 : 0) << "next state " << nextState;
        EXPECT_EQ(player.body.vy, keeps ? -3 : 0) << "next state " << nextState;
        EXPECT_EQ(player.state, StateAttack);
    }
}

TEST(PlayerLadder, ActionsOnALadder) {
    struct Case {
        int32_t action, pressed;
        int32_t state, vy, facingLeft;
    } cases[] = {
        {ActionJump, 1, StateAir, -17, 0}, {ActionJump, 0, StateLadder, 0, 0},
        {ActionLeft, 1, StateLadder, 0, 1}, {ActionLeft, 0, StateLadder, 0, 0},
        {ActionDown, 1, StateLadder, 0, 0},
    };
    for (const Case& c : cases) {
        TestWorld w;
        Player& player = w->player;
        player.init(1000, 1000, 0);
        player.state = StateLadder;
        player.body.vx = 8;
        player.body.vy = 5;
        player.handleAction(c.action, c.pressed);
        EXPECT_EQ(player.state, c.state) << "action " << c.action << " " << c.pressed;
        EXPECT_EQ(player.body.vx, 0) << "action " << c.action << " " << c.pressed;
        EXPECT_EQ(player.body.vy, c.vy) << "action " << c.action << " " << c.pressed;
        EXPECT_EQ(player.body.facingLeft, c.facingLeft) << "action " << c.action << " " << c.pressed;
    }
}

// Hurt, or no state at all: any key event, even a release or a key that starts nothing, means the air.
TEST(PlayerStates, AnyKeyEventInOtherStatesMeansTheAir) {
    for (int32_t state : {int32_t(StateHurt), -1, 3}) {
        for (int32_t action : {ActionShift, ActionJump, ActionFire}) {
            TestWorld w;
            Player& player = w->player;
            player.init(1000, 1000, 0);
            player.state = state;
            player.handleAction(action, action == ActionJump ? 0 : 1);
            EXPECT_EQ(player.state, StateAir) << "state " << state << " action " << action;
            EXPECT_EQ(player.body.vy, 0) << "nothing else happens";
        }
    }
}

}  // namespace
