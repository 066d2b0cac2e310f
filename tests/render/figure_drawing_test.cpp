#include <GL/gl.h>
#include <gtest/gtest.h>

#include "render/figure_drawing.h"
#include "tests/render/render_fixture.h"

namespace {

constexpr int AnchorX = 320;
constexpr int AnchorY = 240;
constexpr int32_t Anim = 9;

// Quarters as they show after a turn of 90 degrees clockwise, or a mirror.
Quadrants turnedClockwise(const Quadrants& q) { return {q.bottomLeft, q.topLeft, q.bottomRight, q.topRight}; }
Quadrants mirrored(const Quadrants& q) { return {q.topRight, q.topLeft, q.bottomRight, q.bottomLeft}; }

class FigureDrawing : public RenderTest {
protected:
    void SetUp() override {
        RenderTest::SetUp();
        uint32_t hidden = solidTexture(Clear);
        for (uint32_t& texture : parts) texture = hidden;
        actor.anim = Anim;
        actor.frame = 0;
    }
    Joint& joint(int32_t frame, int part) const { return tw->animations[Anim].frames[frame].joints[part]; }

    Actor& actor = tw->player;
    uint32_t parts[16];
};

TEST_F(FigureDrawing, PartIsPlacedScaledTurnedAndMirroredAboutTheAnchor) {
    struct Case {
        double x, y, angle;
        uint8_t facingLeft;
        float scale;
        int centreX, centreY;
        Quadrants seen;
    };
    const Case cases[] = {
        {10, -40, 0, 0, 0.5f, 325, 220, Upright},  // 5 right of and 20 above the anchor
        {10, -40, 0, 1, 0.5f, 315, 220, mirrored(Upright)},
        {0, 0, 1.5, 0, 0.5f, 320, 240, turnedClockwise(Upright)},
        {0, 0, 1.5, 1, 0.5f, 320, 240, mirrored(turnedClockwise(Upright))},  // counter-clockwise as seen
        {0, 0, 3.0, 0, 0.5f, 320, 240, turnedClockwise(turnedClockwise(Upright))},
        {-60, 30, -1.5, 0, 1.0f, 260, 270, turnedClockwise(turnedClockwise(turnedClockwise(Upright)))},
        {40, 0, 0, 1, 1.0f, 280, 240, mirrored(Upright)},
    };
    parts[6] = quadrantTexture(Upright);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "joint (" << c.x << ", " << c.y << ") angle " << c.angle << " facingLeft "
                                        << int(c.facingLeft) << " scale " << c.scale);
        joint(0, 6) = {c.x, c.y, c.angle};
        actor.body.facingLeft = c.facingLeft;
        glClear(GL_COLOR_BUFFER_BIT);
        drawFigure(actor, parts, AnchorX, AnchorY, c.scale);
        expectSquare(gl, c.centreX, c.centreY, int(32 * c.scale), c.seen);
    }
}

TEST_F(FigureDrawing, EachPartUsesItsOwnJointAndTextureAndLaterPartsCoverEarlier) {
    parts[0] = solidTexture(Red);
    parts[7] = solidTexture(Blue);
    parts[15] = solidTexture(Green);
    joint(0, 0) = {0, 0, 0};
    joint(0, 7) = {0, 120, 0};
    joint(0, 15) = {20, 0, 0};
    drawFigure(actor, parts, AnchorX, AnchorY, 0.5f);
    EXPECT_EQ(colorAt(gl, 306, 240), rgbText(Red));
    EXPECT_EQ(colorAt(gl, 325, 240), rgbText(Green));  // where parts 0 and 15 overlap
    EXPECT_EQ(colorAt(gl, 344, 240), rgbText(Green));
    EXPECT_EQ(colorAt(gl, 320, 300), rgbText(Blue));
}

TEST_F(FigureDrawing, FramePastTheAnimationsEndShowsTheFirstFrame) {
    tw.setFrameCount(Anim, 3);
    parts[0] = solidTexture(Yellow);
    for (int32_t frame = 0; frame < 3; frame++) joint(frame, 0) = {80.0 * frame, 0, 0};
    struct Case {
        int32_t frame, shown;
    };
    const Case cases[] = {{0, 0}, {1, 1}, {2, 2}, {3, 0}, {40, 0}, {-1, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "frame " << c.frame);
        actor.frame = c.frame;
        glClear(GL_COLOR_BUFFER_BIT);
        drawFigure(actor, parts, AnchorX, AnchorY, 0.5f);
        for (int32_t frame = 0; frame < 3; frame++)
            EXPECT_EQ(colorAt(gl, AnchorX + 40 * frame, AnchorY), rgbText(frame == c.shown ? Yellow : Black));
    }
}

TEST_F(FigureDrawing, AnimationWithoutFramesDrawsNothing) {
    tw.setFrameCount(Anim, 0);
    parts[0] = solidTexture(Yellow);
    drawFigure(actor, parts, AnchorX, AnchorY, 0.5f);
    EXPECT_EQ(colorAt(gl, AnchorX, AnchorY), rgbText(Black));
}

TEST_F(FigureDrawing, SpriteIsCentredOnItsPointMirroredWhenMovingLeftAndTurned) {
    struct Case {
        uint8_t facingLeft;
        int32_t rotation;
        float scale;
        Quadrants seen;
    };
    const Case cases[] = {
        {0, 0, 1.0f, Upright},
        {1, 0, 1.0f, mirrored(Upright)},
        {0, 3, 1.0f, turnedClockwise(turnedClockwise(Upright))},
        {1, 3, 1.0f, mirrored(turnedClockwise(turnedClockwise(Upright)))},
        {0, 0, 0.5f, Upright},
    };
    uint32_t texture = quadrantTexture(Upright);
    Projectile projectile = {};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "facingLeft " << int(c.facingLeft) << " rotation " << c.rotation
                                        << " scale " << c.scale);
        projectile.body.facingLeft = c.facingLeft;
        projectile.body.rotation = c.rotation;
        glClear(GL_COLOR_BUFFER_BIT);
        drawSprite(projectile, texture, 200, 300, c.scale);
        expectSquare(gl, 200, 300, int(32 * c.scale), c.seen);
    }
}

}  // namespace
