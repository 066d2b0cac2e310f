// Falling onto the high end of every slope of the shipped maze: the player lands on
// the slope's surface and stays standing there.
#include <gtest/gtest.h>

#include "actors/collision.h"
#include "actors/player_tuning.h"
#include "tests/support/play_harness.h"

namespace {

constexpr int32_t Drop = 40;  // pixels between the feet and the surface at the start
constexpr int32_t Passes = 40;

TEST(SlopeLanding, EverySlopeOfTheMazeIsLandedOnFromAbove) {
    PlayHarness game;
    ASSERT_TRUE(game.ok());
    Player& player = game.player();
    int32_t slopes = 0;
    for (int32_t row = 0; row < WorldTiles; row++) {
        for (int32_t col = 0; col < WorldTiles; col++) {
            int32_t cls = cellClass(row, col);
            if ((cls != ClassSlopeDown && cls != ClassSlopeUp) ||
                world->maze[col / RoomTiles][row / RoomTiles].state != CellCarved) {
                continue;
            }
            slopes++;
            // The middle of the feet over the high end, where the surface is the row's top.
            int32_t midX = 32 * col + (cls == ClassSlopeDown ? 0 : 31);
            int32_t surface = 32 * row;
            player.init(midX - PlayerWidth / 2, surface - Drop - PlayerHeight, 0);
            for (int32_t pass = 0; pass < Passes; pass++) player.update();
            EXPECT_EQ(player.body.y + PlayerHeight, surface) << "row " << row << ", column " << col;
            EXPECT_EQ(player.state, StateStand) << "row " << row << ", column " << col;
        }
    }
    EXPECT_GT(slopes, 0);
}

}  // namespace
