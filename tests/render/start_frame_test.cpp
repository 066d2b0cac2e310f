#include <GL/gl.h>
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "render/frame.h"
#include "tests/support/play_harness.h"

namespace {

std::vector<uint32_t> readScreen() {
    std::vector<uint32_t> pixels(OffscreenGl::Width * OffscreenGl::Height);
    glReadPixels(0, 0, OffscreenGl::Width, OffscreenGl::Height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    for (uint32_t& p : pixels) p &= 0xffffff;  // alpha follows the texels
    return pixels;
}

uint32_t at(const std::vector<uint32_t>& screen, int x, int y) {
    return screen[(OffscreenGl::Height - 1 - y) * OffscreenGl::Width + x];
}

// The first frames a player sees, from the shipped data, saved for people to look at.
TEST(StartFrame, ShowsTheStartRoomTheFigureAndAFullHealthBar) {
    PlayHarness game;
    ASSERT_TRUE(game.ok()) << "the World could not be built from data/";
    for (int pass = 0; pass < 10; pass++) game.pass();
    EXPECT_TRUE(game.savePng("start_frame.png"));
    std::vector<uint32_t> shown = readScreen();

    std::set<uint32_t> colours(shown.begin(), shown.end());
    EXPECT_GT(colours.size(), 32u) << "a room of pictures, not a blank screen";

    // Full health: every segment alike and not the black of an empty screen.
    for (int segment = 0; segment < 10; segment++) {
        for (auto [dx, dy] : {std::pair{1, 18}, std::pair{4, 24}, std::pair{6, 30}}) {
            EXPECT_EQ(at(shown, 8 * segment + dx, dy), at(shown, dx, dy)) << "segment " << segment;
        }
    }
    EXPECT_NE(at(shown, 4, 24), 0u);

    // The figure stands where its box is: taking the player away changes the picture there only.
    const Body body = game.player().body;
    int anchorX = body.x - world->cameraX + body.width / 2;
    int anchorY = body.y - world->cameraY + body.height;
    ASSERT_TRUE(anchorX >= 15 && anchorX <= 625 && anchorY >= 60 && anchorY <= 480)
        << "the camera keeps the player on the screen, anchor at (" << anchorX << ", " << anchorY << ")";
    world->player.body.x += 5000;
    renderFrame();
    world->player.body.x = body.x;
    std::vector<uint32_t> without = readScreen();
    int changedNearFigure = 0;
    for (int y = anchorY - 60; y < anchorY; y++)
        for (int x = anchorX - 15; x < anchorX + 15; x++) changedNearFigure += at(shown, x, y) != at(without, x, y);
    EXPECT_GT(changedNearFigure, 200) << "figure anchored at (" << anchorX << ", " << anchorY << ")";
    for (int y = 40; y < 480; y += 7)
        for (int x : {0, 639})
            ASSERT_EQ(at(shown, x, y), at(without, x, y)) << "far from the figure at (" << x << ", " << y << ")";
}

}  // namespace
