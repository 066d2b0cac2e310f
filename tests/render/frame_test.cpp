#include <GL/gl.h>
#include <gtest/gtest.h>

#include <vector>

#include "actors/enemy.h"
#include "render/frame.h"
#include "shell/platform/platform_null.h"
#include "tests/render/render_fixture.h"

namespace {

const Quadrants FullBar = {Green, Green, Yellow, Yellow};
const Quadrants EmptyBar = {Red, Red, Blue, Blue};
const uint32_t Magenta = rgba(255, 0, 255);
const uint32_t Cyan = rgba(0, 255, 255);
const uint32_t White = rgba(255, 255, 255);

constexpr int32_t EnemyTypeShown = 3;
constexpr int32_t ProjectileTypeShown = 2;

class Frame : public RenderTest {
protected:
    void SetUp() override {
        RenderTest::SetUp();
        useRoomTextures();
        tw->healthbarTexture = quadrantTexture(FullBar);
        tw->emptybarTexture = quadrantTexture(EmptyBar);
        dressAllFigures(solidTexture(Clear));
        tw->player.partTextures[0] = solidTexture(Magenta);
        tw->enemyTypes[EnemyTypeShown].partTextures[0] = solidTexture(Cyan);
        tw->projectileTypes[ProjectileTypeShown].texture = solidTexture(White);
        tw->cameraX = 16000;
        tw->cameraY = 16000;
        tw->player.health = 100;
        placeActor(tw->player, 16320, 16320);
    }
    // Boxes 30 x 60, so the anchor lies 15 right of and 60 below the corner.
    static void placeActor(Actor& actor, int32_t x, int32_t y) {
        actor.body.x = x;
        actor.body.y = y;
        actor.body.width = 30;
        actor.body.height = 60;
    }
    Actor& addEnemy(int slot, int32_t x, int32_t y) {
        Enemy* enemy = new Enemy(&spawnPoint);
        enemy->enemyType = EnemyTypeShown;
        enemy->anim = 0;
        enemy->frame = 0;
        enemy->body.facingLeft = 0;
        placeActor(*enemy, x, y);
        tw->actorSlots[slot] = enemy;
        return *enemy;
    }
    Projectile& addProjectile(int record, int32_t x, int32_t y) {
        Projectile& projectile = tw->projectiles[record];
        projectile = {};
        projectile.type = ProjectileTypeShown;
        projectile.body.x = x;
        projectile.body.y = y;
        return projectile;
    }
    // A tile in room (roomX, roomY), away from the health bar.
    int32_t& tile(int32_t roomX, int32_t roomY, int32_t row, int32_t col) const {
        return tw->rooms[roomX][roomY].tiles[row][col];
    }

    SpawnPoint spawnPoint = {};
};

TEST_F(Frame, HealthBarFillsEachSegmentWhoseTenthIsCovered) {
    struct Case {
        int32_t health, fullSegments;
    };
    const Case cases[] = {{100, 10}, {55, 6}, {1, 1}, {0, 0}, {-20, 0}, {10, 1}, {11, 2}, {250, 10}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "health " << c.health);
        tw->player.health = c.health;
        renderFrame();
        for (int segment = 0; segment < 10; segment++) {
            const Quadrants& shown = segment < c.fullSegments ? FullBar : EmptyBar;
            EXPECT_EQ(colorAt(gl, 8 * segment, 16), rgbText(shown.topLeft)) << "segment " << segment;
            EXPECT_EQ(colorAt(gl, 8 * segment + 7, 23), rgbText(shown.topRight)) << "segment " << segment;
            EXPECT_EQ(colorAt(gl, 8 * segment, 24), rgbText(shown.bottomLeft)) << "segment " << segment;
            EXPECT_EQ(colorAt(gl, 8 * segment + 7, 31), rgbText(shown.bottomRight)) << "segment " << segment;
        }
        // The bar ends at x 80 and spans y 16 to 32; the room shows around it.
        for (auto [x, y] : {std::pair{80, 20}, std::pair{4, 15}, std::pair{4, 32}})
            EXPECT_EQ(colorAt(gl, x, y), rgbText(backgroundTexel(x, y))) << "at (" << x << ", " << y << ")";
    }
}

TEST_F(Frame, DrawsTheCameraRoomAndTheNeighbourOfTheScrollMode) {
    struct TileProbe {
        int32_t roomDx, roomDy, row, col;
        bool drawn;
    };
    struct Case {
        int32_t cameraX, cameraY;
        uint8_t vertical;
        std::vector<TileProbe> tiles;
        std::vector<std::pair<int, int>> blackPixels;  // where no room may be drawn
    };
    const Case cases[] = {
        {16000, 16000, 0, {{0, 0, 5, 5, true}}, {}},
        {16000, 16100, 1, {{0, 0, 4, 2, true}}, {}},  // room (25, 25) at y -100
        {16200, 16300, 1, {{0, 0, 12, 10, true}, {0, 1, 1, 10, true}, {1, 0, 12, 1, false}}, {{472, 84}}},
        {16200, 16300, 0, {{0, 0, 12, 10, true}, {1, 0, 12, 1, true}, {0, 1, 2, 10, false}}, {{120, 404}}},
        {49 * 640 + 100, 16000, 0, {{0, 0, 3, 5, true}}, {{560, 100}}},  // no room right of the last column
        {16000, 49 * 640 + 300, 1, {{0, 0, 12, 2, true}}, {{100, 400}}},  // none below the last row
        {32000, 16000, 0, {}, {{320, 240}}},  // a camera past the grid shows no room
        {-700, 16000, 0, {}, {{320, 240}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "camera (" << c.cameraX << ", " << c.cameraY << ") vertical "
                                        << int(c.vertical));
        tw->cameraX = c.cameraX;
        tw->cameraY = c.cameraY;
        tw->scrollVertical = c.vertical;
        tw->player.body.x = c.cameraX - 1000;  // out of the picture
        int32_t code = 20;
        for (const TileProbe& t : c.tiles) tile(c.cameraX / 640 + t.roomDx, c.cameraY / 640 + t.roomDy, t.row, t.col) = code++;
        renderFrame();
        code = 20;
        for (const TileProbe& t : c.tiles) {
            int32_t roomX = c.cameraX / 640 + t.roomDx, roomY = c.cameraY / 640 + t.roomDy;
            int x = 640 * roomX - c.cameraX + 32 * t.col + 8;
            int y = 640 * roomY - c.cameraY + 32 * t.row + 8;
            std::string expected = rgbText(atlasTexel(32 * (code & 15) + 8, 32 * (code >> 4) + 8));
            if (t.drawn) {
                EXPECT_EQ(colorAt(gl, x, y), expected) << "tile of room (" << roomX << ", " << roomY << ")";
            } else {
                EXPECT_NE(colorAt(gl, x, y), expected) << "tile of room (" << roomX << ", " << roomY << ")";
            }
            tile(roomX, roomY, t.row, t.col) = 0;
            code++;
        }
        for (auto [x, y] : c.blackPixels) EXPECT_EQ(colorAt(gl, x, y), rgbText(Black)) << "at (" << x << ", " << y << ")";
    }
}

TEST_F(Frame, FiguresAndSpritesAreAnchoredOnTheirBoxesRelativeToTheCamera) {
    tw->backgroundTexture = solidTexture(Clear);
    const Quadrants magenta = {Magenta, Magenta, Magenta, Magenta};
    const Quadrants cyan = {Cyan, Cyan, Cyan, Cyan};
    const Quadrants white = {White, White, White, White};

    placeActor(tw->player, 16101, 16050);
    tw->player.body.width = 31;  // half a width rounds down
    tw->player.body.height = 61;
    addEnemy(0, 16495, 16200);
    tw->actorSlots[0]->body.width = 40;
    tw->actorSlots[0]->body.height = 20;
    addProjectile(0, 16250, 16300);
    tw->cameraX = 16000;
    tw->cameraY = 16000;
    renderFrame();
    expectSquare(gl, 116, 111, 16, magenta);
    expectSquare(gl, 515, 220, 16, cyan);
    expectSquare(gl, 250, 300, 32, white);

    // The worked case: a 30 x 60 box at (16320, 16320) seen from (16000, 16000).
    placeActor(tw->player, 16320, 16320);
    delete tw->actorSlots[0];
    tw->actorSlots[0] = nullptr;
    tw->projectiles[0].type = ProjectileFree;
    renderFrame();
    expectSquare(gl, 335, 380, 16, magenta);
}

TEST_F(Frame, LaterDrawsCoverEarlierOnesAndTheHealthBarCoversAll) {
    const uint32_t Orange = rgba(255, 128, 0);
    tw->enemyTypes[EnemyTypeShown + 1].partTextures[0] = solidTexture(Orange);
    const int x = 335, y = 380;  // the player's anchor

    renderFrame();
    EXPECT_EQ(colorAt(gl, x, y), rgbText(Magenta));

    addEnemy(90, 16320, 16320);
    addEnemy(5, 16320, 16320).enemyType = EnemyTypeShown + 1;
    renderFrame();
    EXPECT_EQ(colorAt(gl, x, y), rgbText(Cyan)) << "enemies in slot order, after the player";

    Projectile& shot = addProjectile(10, 16335, 16380);
    shot.type = ProjectileFree;
    renderFrame();
    EXPECT_EQ(colorAt(gl, x, y), rgbText(Cyan)) << "a free record draws nothing";

    shot.type = ProjectileTypeShown;
    addProjectile(3, 16040, 16024);  // over the health bar
    renderFrame();
    EXPECT_EQ(colorAt(gl, x, y), rgbText(White));
    EXPECT_EQ(colorAt(gl, 40, 20), rgbText(FullBar.topLeft));
    EXPECT_EQ(colorAt(gl, 60, 40), rgbText(White));
}

TEST_F(Frame, ShowsEachFrameOnceAndLeavesTheDrawingStateAlone) {
    long before = nullPlatformSwapCount();
    renderFrame();
    renderFrame();
    EXPECT_EQ(nullPlatformSwapCount() - before, 2);

    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_ALPHA_TEST));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    GLint matrixMode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &matrixMode);
    EXPECT_EQ(matrixMode, GL_MODELVIEW);
}

}  // namespace
