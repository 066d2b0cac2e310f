// The recorded stream is the renderer's own: replayed, it draws the very
// picture renderFrame draws, so the floor it gives is a true one.
#include <gtest/gtest.h>

#include "bench/bench_world.h"
#include "bench/gl_stream.h"
#include "render/frame.h"
#include "shell/world.h"

namespace {

class RecordedFrame : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(harness.ok() && landInStartRoom(harness)); }

    void expectReplayDrawsTheGamesPicture() const {
        GlStream stream = recordFrame();
        renderFrame();
        std::vector<uint8_t> drawn = readScreen();
        glClear(GL_COLOR_BUFFER_BIT);
        replay(stream);
        EXPECT_TRUE(readScreen() == drawn);
    }

    PlayHarness harness;
};

TEST_F(RecordedFrame, ReplayDrawsWhatRenderFrameDrawsInTheStartRoom) { expectReplayDrawsTheGamesPicture(); }

TEST_F(RecordedFrame, ReplayDrawsWhatRenderFrameDrawsWithFullTables) {
    fillTables();
    EXPECT_EQ(enemiesInPlay(), ActorSlotCount - 1);
    EXPECT_GE(projectilesInFlight(), ProjectilePoolSize - 1);
    expectReplayDrawsTheGamesPicture();
}

TEST_F(RecordedFrame, RecordingDrawsNothingAndStartsWithTheClear) {
    glClear(GL_COLOR_BUFFER_BIT);
    std::vector<uint8_t> blank = readScreen();
    GlStream stream = recordFrame();
    EXPECT_TRUE(readScreen() == blank);
    ASSERT_GE(stream.size(), 2u);
    EXPECT_EQ(stream[0].op, GlOp::Clear);
    EXPECT_EQ(stream[0].word, uint32_t(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT));
    EXPECT_EQ(stream[1].op, GlOp::LoadIdentity);
}

}  // namespace
