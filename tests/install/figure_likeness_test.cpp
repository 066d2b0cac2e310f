// The icons' software drawing against the game's own figure drawing on a real
// GL context: the same pose must come out the same, pixel for pixel but at edges.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <vector>

#include "content/bitmap.h"
#include "content/texture.h"
#include "render/figure_drawing.h"
#include "tests/support/test_world.h"
#include "tools/make_icons/figure_picture.h"
#include "tools/offscreen/offscreen_gl.h"

namespace {

constexpr float AnchorX = 320, AnchorY = 240;
constexpr uint32_t Rgb = 0x00ffffffu;

// Every texel tells its part and place apart; one corner of each part is clear.
uint32_t texel(int part, int x, int y) {
    if (x >= 48 && y >= 48) return 0;
    return rgba(uint8_t(16 * part + 8), uint8_t(4 * x), uint8_t(4 * y));
}

TEST(FigureLikeness, APoseDrawnForAnIconMatchesTheGamesFigure) {
    OffscreenGl gl;
    ASSERT_TRUE(gl.ok());
    TestWorld tw(1);
    Pose& pose = tw->animations[0].frames[0];
    std::vector<uint32_t> images[PartCount];
    const uint32_t* parts[PartCount];
    uint32_t textures[PartCount];
    glGenTextures(PartCount, textures);
    for (int part = 0; part < PartCount; part++) {
        uint32_t* upload = new uint32_t[PartSide * PartSide];
        for (int y = 0; y < PartSide; y++)
            for (int x = 0; x < PartSide; x++) upload[y * PartSide + x] = texel(part, x, y);
        images[part].assign(upload, upload + PartSide * PartSide);
        parts[part] = images[part].data();
        uploadImage(textures[part], PartSide, PartSide, upload, false);
        // Spread out, overlapping, and turned every which way.
        pose.joints[part] = {double(part % 4) * 50 - 75, double(part / 4) * 40 - 60, part * 0.37 - 2.5};
    }
    Player& player = tw->player;
    player.anim = 0;
    player.frame = 0;
    player.body.facingLeft = 0;
    drawFigure(player, textures, AnchorX, AnchorY, 1.0f);

    RgbaPicture picture(OffscreenGl::Width, OffscreenGl::Height);
    drawPose(&picture, pose, parts, AnchorX, AnchorY, 1.0f);
    int drawn = 0, differing = 0;
    for (int y = 0; y < picture.height; y++) {
        for (int x = 0; x < picture.width; x++) {
            uint32_t game = gl.pixel(x, y) & Rgb, icon = picture.at(x, y) & Rgb;
            drawn += game != 0 || icon != 0;
            differing += game != icon;
        }
    }
    EXPECT_GT(drawn, 16 * 64 * 64 / 2);
    EXPECT_LT(differing, drawn / 1000) << differing << " of " << drawn << " pixels differ";
}

}  // namespace
