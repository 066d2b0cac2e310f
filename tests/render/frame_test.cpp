// Whole frames on an off-screen context, probed where each drawing rule shows.
#include <gtest/gtest.h>

#include <cstdio>

#include "content/texture.h"
#include "actors/enemy.h"
#include "render/frame.h"
#include "render/figure_drawing.h"
#include "render/key_legend.h"
#include "tests/support/scratch.h"
#include "tests/support/test_world.h"
#include "tools/offscreen/offscreen_gl.h"

namespace {

constexpr int32_t Camera = 16000 + 100;  // room (25, 25), 100 pixels in on each axis

// A texture of the given size whose texel (x, y) has colour(x, y).
template <typename Colour>
uint32_t makeTexture(int32_t width, int32_t height, Colour colour) {
    uint32_t* image = new uint32_t[width * height];
    for (int32_t y = 0; y < height; y++) {
        for (int32_t x = 0; x < width; x++) image[y * width + x] = colour(x, y);
    }
    uint32_t name;
    glGenTextures(1, &name);
    uploadImage(name, width, height, image, false);
    return name;
}

struct Probe {
    const char* name;
    int x, y;
    uint32_t expect;
};

class Frame : public ::testing::Test {
protected:
    Frame() {
        w->backgroundTexture =
            makeTexture(1024, 1024, [](int x, int y) { return rgba(x < 640 && y < 640 ? 90 : 250, 0, 0); });
        // Alpha 26/255 is at most 0.1 and not drawn, 27/255 is drawn opaque: the last atlas row and the empty bar.
        w->tileAtlasTexture =
            makeTexture(512, 256, [](int x, int y) { return rgba(x / 32 * 16, y / 32 * 30, 200, y < 224 ? 255 : 26); });
        w->healthbarTexture = makeTexture(8, 8, [](int, int) { return rgba(0, 255, 0); });
        w->emptybarTexture = makeTexture(8, 8, [](int, int) { return rgba(0, 0, 255, 27); });
        // The sprite: left half red, right half green, its top rows blue.
        w->projectileTypes[2].texture = makeTexture(64, 64, [](int x, int y) {
            return y < 16 ? rgba(0, 0, 255) : rgba(x < 32 ? 255 : 0, x < 32 ? 0 : 255, 0);
        });
        for (int part = 0; part < 16; part++) {
            w->player.partTextures[part] = makeTexture(8, 8, [part](int, int) { return rgba(part * 15, 100, 50); });
            w->enemyTypes[4].partTextures[part] =
                makeTexture(8, 8, [part](int, int) { return rgba(part * 15, 200, 50); });
        }
        w->rooms[25][25].tiles[5][4] = 17;
        w->rooms[25][25].tiles[6][6] = 113;
        w->rooms[26][25].tiles[5][0] = 5;
        w->rooms[25][26].tiles[0][10] = 38;
        w->cameraX = w->cameraY = Camera;
        // Frame 0 of animation 0 puts part 0 up and back, part 15 far off; every other frame is elsewhere.
        w.setFrameCount(0, 2);
        for (Joint& joint : w->animations[0].frames[0].joints) joint = {2000, 2000, 0};
        w->animations[0].frames[0].joints[0] = {-40, -80, 0};
        w->animations[0].frames[0].joints[1] = {60, 40, 0.5};
        Player& player = w->player;
        player.init(Camera + 200, Camera + 200, 0);  // anchor on the screen at (215, 260)
        player.body.facingLeft = 1;
        player.frame = 7;  // past the end: shows frame 0
        player.health = 40;
        SpawnPoint point{Camera + 515, Camera + 260, 4, 0, 1};
        w->actorSlots[3] = new Enemy(&point);  // anchor at (515, 260), facing right
        fireProjectile(1, Camera + 400, Camera + 300, -16, 0, 2);
        w->projectiles[projectileCursor].type = 2;
        w->projectiles[projectileCursor].body.rotation = 1;
    }

    // Draws the frame and compares every probe; the picture goes to the test output folder.
    void check(const char* picture, std::initializer_list<Probe> probes) {
        renderFrame();
        gl.savePng(testOutputDir() + "/" + picture);
        for (const Probe& p : probes) {
            char text[16];
            snprintf(text, sizeof text, "%08x", gl.pixel(p.x, p.y) | 0xff000000u);
            char want[16];
            snprintf(want, sizeof want, "%08x", p.expect);
            EXPECT_STREQ(text, want) << p.name << " at " << p.x << "," << p.y;
        }
    }

    OffscreenGl gl;
    TestWorld w;
};

TEST_F(Frame, DrawsRoomsFiguresSpritesAndTheHealthBar) {
    check("frame_sideways.png",
          {
              {"the background of the camera's room", 20, 100, rgba(90, 0, 0)},
              {"tile 17 from atlas column 1, row 1", 4 * 32 + 16 - 100, 5 * 32 + 16 - 100, rgba(16, 30, 200)},
              {"the room to the right, scrolling sideways", 640 - 100 + 16, 120, rgba(90, 0, 0)},
              {"tile 5 of the room to the right", 640 - 100 + 10, 76, rgba(80, 0, 200)},
              {"the fourth health segment is full at 40", 3 * 8 + 4, 24, rgba(0, 255, 0)},
              {"the fifth is empty", 4 * 8 + 4, 24, rgba(0, 0, 255)},
              {"tile 113, of alpha 0.1, is not drawn", 6 * 32 + 16 - 100, 6 * 32 + 16 - 100, rgba(90, 0, 0)},
              {"the player's part 0, mirrored", 215 + 20, 260 - 40, rgba(0, 100, 50)},
              {"nothing where part 0 would be unmirrored", 215 - 20, 260 - 40, rgba(90, 0, 0)},
              {"the enemy on its anchor, last part on top", 515, 260, rgba(225, 200, 50)},
              // Around part 1 (turned half a unit, mirrored) and the sprite (turned one unit, mirrored).
              // clang-format off
              {"part 1, one side", 185 + 17, 280 + 5, 0xff32640fu}, {"part 1, below it", 185 + 5, 280 + 17, 0xff00005au},
              {"part 1, the other side", 185 - 17, 280 + 5, 0xff00005au}, {"part 1, below that", 185 - 5, 280 + 17, 0xff32640fu},
              {"sprite, right", 400 + 40, 300, 0xff00005au}, {"sprite, below right", 400 + 25, 300 + 25, 0xff00005au},
              {"sprite, below", 400, 300 + 40, 0xff00005au}, {"sprite, below left", 400 - 25, 300 + 25, 0xff00005au},
              {"sprite, left", 400 - 40, 300, 0xff00005au}, {"sprite, above left", 400 - 25, 300 - 25, 0xff00005au},
              {"sprite, above", 400, 300 - 40, 0xff00005au}, {"sprite, above right", 400 + 25, 300 - 25, 0xff00005au},
              {"sprite, a", 400 + 20, 300 - 6, 0xff0000ffu}, {"sprite, b", 400 - 6, 300 - 20, 0xff0000ffu},
              {"sprite, c", 400 - 20, 300 + 6, 0xff00ff00u}, {"sprite, d", 400 + 6, 300 + 20, 0xff00ff00u},
              {"sprite, near the right", 400 + 12, 300 + 4, 0xff0000ffu}, {"sprite, near the left", 400 - 12, 300 - 4, 0xff00ff00u},
              // clang-format on
          });
}

TEST_F(Frame, ScrollingUpAndDownDrawsTheRoomBelow) {
    w->scrollVertical = 1;
    w->cameraY = 16000 + 200;
    check("frame_upright.png", {
                                   {"no room to the right", 640 - 100 + 16, 120, rgba(0, 0, 0)},
                                   {"tile 38 of the room below", 10 * 32 + 16 - 100, 640 - 200 + 16, rgba(96, 60, 200)},
                               });
}

// The player's way through the legend's time: passes in the start room, then in the room beside or below, then back.
struct LegendCase {
    const char* name;
    int32_t startPasses, awayPasses, backPasses;
    int32_t awayX, awayY;  // rooms away
    bool picture;          // data/ had the legend's picture
    bool shown;
};

// clang-format off
const LegendCase legendCases[] = {
    {"at the start", 1, 0, 0, 0, 0, true, true},
    {"on the last of its 600 passes", 600, 0, 0, 0, 0, true, true},
    {"after 600 passes", 601, 0, 0, 0, 0, true, false},
    {"once the player has left the start room sideways", 5, 1, 0, 1, 0, true, false},
    {"once the player has left the start room downwards", 5, 1, 0, 0, 1, true, false},
    {"back in the start room", 5, 1, 1, 1, 0, true, false},
    {"without its picture", 1, 0, 0, 0, 0, false, false},
};
// clang-format on

TEST_F(Frame, TheKeyLegendShowsAtTheTopRightUntilThePlayerFirstLeavesTheStartRoomOr30Seconds) {
    const uint32_t legend = rgba(250, 230, 20);
    const uint32_t picture = makeTexture(128, 64, [legend](int, int) { return legend; });
    for (const LegendCase& c : legendCases) {
        w->keyLegendTexture = c.picture ? picture : 0;
        showKeyLegend();
        Body start = w->player.body;
        for (int32_t i = 0; i < c.startPasses; i++) stepKeyLegend();
        w->player.body.x += c.awayX * RoomPixels;
        w->player.body.y += c.awayY * RoomPixels;
        for (int32_t i = 0; i < c.awayPasses; i++) stepKeyLegend();
        w->player.body = start;
        for (int32_t i = 0; i < c.backPasses; i++) stepKeyLegend();
        uint32_t drawn = c.shown ? legend : rgba(90, 0, 0);
        check("frame_key_legend.png", {{c.name, 640 - 8 - 1, 8, drawn}, {c.name, 640 - 8 - 128, 8 + 63, drawn}});
    }
}

}  // namespace
