#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/player_action.h"
#include "tests/actors/actor_fixture.h"

namespace {

constexpr int32_t X = 1000;
constexpr int32_t Y = 2000;

struct ShotCase {
    int32_t state;  // the posture the shot is fired from
    std::vector<int32_t> keys;
    int32_t facingLeft;
    int32_t startX, startY, vx, vy, anim;
};

std::string describe(const ShotCase& c) {
    std::string text = "state " + std::to_string(c.state) + " facing " + (c.facingLeft ? "left" : "right") + " keys";
    for (int32_t key : c.keys) text += " " + std::to_string(key);
    return text;
}

// Every row of the table, facing each way; the first row whose arrows are held wins.
TEST(PlayerShots, StartPointVelocityAndPoseOfEveryRow) {
    const ShotCase cases[] = {
        // standing
        {StateStand, {KeyUp, KeyRight}, 0, X + 30, Y + 30, 8, -8, 7},
        {StateStand, {KeyUp, KeyLeft}, 1, X, Y + 30, -8, -8, 7},
        {StateStand, {KeyUp}, 0, X + 15, Y, 0, -16, 8},
        {StateStand, {KeyUp}, 1, X + 15, Y, 0, -16, 8},
        {StateStand, {}, 0, X + 30, Y + 25, 16, 0, 6},
        {StateStand, {KeyDown, KeyLeft}, 1, X, Y + 25, -16, 0, 6},
        {StateRun, {KeyRight}, 0, X + 30, Y + 25, 16, 0, 6},
        // crouching: always the same row, whatever is held
        {StateCrouch, {KeyUp, KeyRight}, 0, X + 30, Y + 30, 16, 0, 12},
        {StateCrouch, {}, 1, X + 30, Y + 30, -16, 0, 12},
        // in the air up is tried before down
        {StateAir, {KeyUp, KeyDown, KeyRight}, 0, X + 30, Y + 30, 8, -8, 19},
        {StateAir, {KeyUp, KeyLeft}, 1, X + 30, Y + 30, -8, -8, 19},
        {StateAir, {KeyUp, KeyDown}, 1, X + 15, Y, 0, -16, 20},
        {StateAir, {KeyDown, KeyRight}, 0, X + 30, Y + 40, 8, 8, 21},
        {StateAir, {KeyDown, KeyLeft}, 1, X, Y + 40, -8, 8, 21},
        {StateAir, {KeyDown}, 0, X + 15, Y + 40, 0, 16, 22},
        {StateAir, {}, 0, X + 30, Y + 30, 16, 0, 18},
        {StateAir, {KeyLeft}, 1, X + 30, Y + 30, -16, 0, 18},
        // on a ladder down is tried before up
        {StateLadder, {KeyDown, KeyUp, KeyRight}, 0, X + 30, Y + 40, 8, 8, 32},
        {StateLadder, {KeyDown, KeyLeft}, 1, X, Y + 40, -8, 8, 32},
        {StateLadder, {KeyDown, KeyUp}, 0, X + 15, Y + 40, 0, 16, 33},
        {StateLadder, {KeyUp, KeyRight}, 0, X + 30, Y + 30, 8, -8, 30},
        {StateLadder, {KeyUp, KeyLeft}, 1, X + 30, Y + 30, -8, -8, 30},
        {StateLadder, {KeyUp}, 1, X + 15, Y, 0, -16, 31},
        {StateLadder, {}, 0, X + 30, Y + 30, 16, 0, 29},
        {StateLadder, {KeyRight}, 1, X + 30, Y + 30, -16, 0, 29},
    };
    for (const ShotCase& c : cases) {
        TestWorld w;
        Player& player = w->player;
        player.init(X, Y, 0);
        player.state = c.state;
        player.body.facingLeft = c.facingLeft;
        for (int32_t key : c.keys) hold(key);
        player.handleAction(ActionFire, 1);

        ASSERT_EQ(projectileCursor, 1) << describe(c);
        const Projectile& shot = w->projectiles[1];
        EXPECT_EQ(shot.owner, 1) << describe(c);
        EXPECT_EQ(shot.type, 1) << describe(c);
        EXPECT_EQ(shot.body.x, c.startX) << describe(c);
        EXPECT_EQ(shot.body.y, c.startY) << describe(c);
        EXPECT_EQ(shot.body.vx, c.vx) << describe(c);
        EXPECT_EQ(shot.body.vy, c.vy) << describe(c);
        EXPECT_EQ(player.anim, c.anim) << describe(c);
        EXPECT_EQ(player.state, StateAttack) << describe(c);
        EXPECT_EQ(player.frame, 0) << describe(c);
    }
}

// A nonzero attack mode silences the shots standing and in the air, not crouching or on a ladder;
// the attack itself always starts, and remembers the posture to return to.
TEST(PlayerShots, AttackModeAndThePostureAfterwards) {
    struct Case {
        int32_t state;
        bool fires;
        int32_t nextState, nextAnim;
    } cases[] = {
        {StateStand, false, StateStand, 0},    {StateRun, false, StateStand, 0},
        {StateAir, false, StateAir, 13},       {StateCrouch, true, StateCrouch, 10},
        {StateLadder, true, StateLadder, 23},
    };
    for (const Case& c : cases) {
        TestWorld w;
        Player& player = w->player;
        player.init(X, Y, 0);
        player.attackMode = 1;
        player.state = c.state;
        player.handleAction(ActionFire, 1);
        EXPECT_EQ(w->projectiles[1].type == 1, c.fires) << "state " << c.state;
        EXPECT_EQ(player.state, StateAttack) << "state " << c.state;
        EXPECT_EQ(player.nextState, c.nextState) << "state " << c.state;
        EXPECT_EQ(player.nextAnim, c.nextAnim) << "state " << c.state;
    }
}

}  // namespace
