#include <gtest/gtest.h>

#include "actors/ladder.h"
#include "shell/player_action.h"
#include "tests/actors/actor_fixture.h"

namespace {

constexpr int32_t FloorRow = 20;     // floor top at y 640
constexpr int32_t LadderCol = 10;    // x 320..351
constexpr int32_t LadderTopRow = 14; // y 448..479, the ladder below it down to the floor

// A ladder standing on the floor, and the player resting on the floor in front of it.
Player& playerAtLadder(const TestWorld& w) {
    Player& player = standingPlayer(w, 32 * LadderCol, FloorRow);
    for (int32_t row = LadderTopRow + 1; row < FloorRow; row++) w.setCell(row, LadderCol, ClassLadder);
    w.setCell(LadderTopRow, LadderCol, ClassLadderTop);
    return player;
}

TEST(LadderClimb, UpFromTheFloor) {
    TestWorld w;
    Player& player = playerAtLadder(w);
    int32_t y = player.body.y;
    hold(KeyUp);
    for (int32_t pass = 1; pass <= 10; pass++) {
        player.update();
        EXPECT_EQ(player.state, StateLadder);
        EXPECT_EQ(player.anim, 24);
        EXPECT_EQ(player.body.x, 32 * LadderCol - 1) << "one pixel into the column on the left";
        EXPECT_EQ(player.body.y, y - 5 * pass);
    }
    hold(KeyUp, false);
    player.update();
    EXPECT_EQ(player.anim, 23);
    EXPECT_EQ(player.body.y, y - 50) << "hanging still: no gravity";
    player.handleAction(ActionFire, 1);
    player.update();
    EXPECT_EQ(player.body.y, y - 50) << "shooting on the ladder hangs still";
    for (int32_t pass = 0; pass < 3; pass++) player.update();
    EXPECT_EQ(player.state, StateLadder) << "back on the ladder when the shot ends";
}

// Past the top the climb ends, the player rises on its last speed and falls back onto the ladder top;
// after a landing earlier on, that lands it standing.
TEST(LadderClimb, OffTheTopOntoTheLadderTop) {
    TestWorld w;
    Player& player = playerAtLadder(w);
    hold(KeyUp);
    int32_t passes = 0;
    while (player.state == StateLadder || passes == 0) {
        player.update();
        ASSERT_LT(++passes, 100);
    }
    EXPECT_EQ(player.state, StateAir);
    EXPECT_LT(player.body.vy, 0) << "still rising on its climbing speed";
    hold(KeyUp, false);
    for (int32_t pass = 0; pass < 20; pass++) player.update();
    EXPECT_EQ(player.state, StateStand);
    EXPECT_EQ(bottomOf(player.body), 32 * LadderTopRow - 1);
    EXPECT_EQ(player.body.x, 32 * LadderCol - 1);
}

// Climbing down ends when the feet reach the floor; normal physics resume in the same pass.
TEST(LadderClimb, DownToTheFloor) {
    TestWorld w;
    Player& player = playerAtLadder(w);
    hold(KeyUp);
    for (int32_t pass = 0; pass < 20; pass++) player.update();
    hold(KeyUp, false);
    hold(KeyDown);
    int32_t floorBottom = 32 * FloorRow - 1;
    for (int32_t pass = 0; pass < 30; pass++) {
        int32_t y = player.body.y;
        player.update();
        ASSERT_LE(bottomOf(player.body), floorBottom);
        if (bottomOf(player.body) < floorBottom) {
            EXPECT_EQ(player.body.y, y + 5) << "pass " << pass;
        }
    }
    EXPECT_EQ(bottomOf(player.body), floorBottom);
    EXPECT_EQ(player.body.vy, 0);
    EXPECT_EQ(player.body.x, 32 * LadderCol - 1);
    EXPECT_EQ(player.state, StateLadder) << "the landing rule does not take a climber";
}

TEST(LadderCheck, Results) {
    struct Case {
        const char* what;
        int32_t state, nextState;
        bool up, down, ladder;  // ladder: one stands in column 11, rows 15..16
        int32_t vx;
        int32_t result, vy;
    } cases[] = {
        {"no arrow, not climbing, in front of a ladder", StateStand, -1, false, false, true, 0, LadderNone, 0},
        {"up held, no ladder", StateStand, -1, true, false, false, 0, LadderNone, 0},
        {"up held", StateStand, -1, true, false, true, 0, LadderUp, -5},
        {"both held climbs down", StateAir, -1, true, true, true, 0, LadderDown, 5},
        {"on the ladder, no arrow", StateLadder, -1, false, false, true, 0, LadderStill, 0},
        {"hurt, about to return to the ladder", StateHurt, StateLadder, false, false, true, 0, LadderStill, 0},
        {"shooting on the ladder", StateAttack, StateLadder, true, false, true, 0, LadderAttack, 0},
        {"shooting elsewhere", StateAttack, StateStand, true, false, true, 0, LadderNone, 0},
        {"ladder beside the box", StateLadder, -1, false, false, false, 0, LadderNone, 0},
        {"ladder reached by the speed", StateLadder, -1, false, false, false, 30, LadderStill, 0},
    };
    for (const Case& c : cases) {
        TestWorld w;
        Player& player = w->player;
        player.init(32 * 10 - 20, 32 * 15, 0);  // columns 9..10
        player.body.vx = c.vx;
        w.setCell(15, c.ladder ? 10 : 11, ClassLadder);
        w.setCell(16, c.ladder ? 10 : 11, ClassLadder);
        player.state = c.state;
        player.nextState = c.nextState;
        hold(KeyUp, c.up);
        hold(KeyDown, c.down);
        EXPECT_EQ(checkLadder(&player), c.result) << c.what;
        EXPECT_EQ(player.body.vy, c.vy) << c.what;
        bool moved = c.result == LadderUp || c.result == LadderDown;
        EXPECT_EQ(player.body.x, moved ? 32 * 10 - 1 : 32 * 10 - 20) << c.what;
        EXPECT_EQ(player.body.y, 32 * 15 + (moved ? c.vy : 0)) << c.what;
    }
}

// Only the top and bottom rows of the box are looked at, and the last ladder column found wins.
TEST(LadderCheck, RowsAndColumnsExamined) {
    TestWorld w;
    Player& player = w->player;
    player.init(32 * 10 + 10, 32 * 14, 0);
    player.body.height = 70;  // rows 14..16
    player.state = StateLadder;
    w.setCell(15, 10, ClassLadder);
    EXPECT_EQ(checkLadder(&player), LadderNone) << "a middle row only";
    w.setCell(14, 11, ClassLadderTop);
    w.setCell(16, 10, ClassLadder);
    hold(KeyDown);
    EXPECT_EQ(checkLadder(&player), LadderDown);
    EXPECT_EQ(player.body.x, 32 * 11 - 1) << "the top row's right column is found last";
}

}  // namespace
