#include <GL/gl.h>
#include <gtest/gtest.h>


#include "actors/behaviours.h"
#include "tests/support/offscreen_gl.h"
#include "tests/support/test_world.h"
#include "tests/worldgen/worldgen_fixture.h"
#include "worldgen/world_setup.h"

namespace {

// An indexed picture made up here: noise indices and a palette whose green byte
// tells the pictures apart.
struct Picture {
    Picture(int32_t width, int32_t height, uint8_t salt) : width(width), indices(width * height), colors(256) {
        uint32_t state = salt;
        for (uint8_t& index : indices) {
            state = state * 1103515245u + 12345u;
            index = uint8_t(state >> 24);
        }
        for (int32_t c = 0; c < 256; c++) colors[c] = rgba(uint8_t(c), salt, uint8_t(255 - c));
    }
    IndexedBitmap bitmap() { return IndexedBitmap{indices.data(), colors.data()}; }
    // The colour of picture pixel (x, y).
    uint32_t at(int32_t x, int32_t y) const { return colors[indices[y * width + x]]; }

    int32_t width;
    std::vector<uint8_t> indices;
    std::vector<uint32_t> colors;
};

struct Texture {
    int32_t width, height;
    std::vector<uint32_t> texels;
    uint32_t at(int32_t x, int32_t y) const { return texels[y * width + x]; }
};

Texture readTexture(uint32_t name) {
    glBindTexture(GL_TEXTURE_2D, name);
    GLint width = 0, height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    Texture texture{width, height, std::vector<uint32_t>(width * height)};
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texture.texels.data());
    return texture;
}

GLint filterOf(uint32_t name, GLenum which) {
    glBindTexture(GL_TEXTURE_2D, name);
    GLint filter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, which, &filter);
    return filter;
}

// The 64 x 64 block of a skin, counted from its top, as a texture should show it.
bool showsBlock(const Texture& texture, const Picture& skin, int32_t block) {
    if (texture.width != 64 || texture.height != 64) return false;
    for (int32_t y = 0; y < 64; y++) {
        for (int32_t x = 0; x < 64; x++) {
            if (texture.at(x, y) != skin.at(x, block * 64 + y)) return false;
        }
    }
    return true;
}

class WorldSetupTest : public ::testing::Test {
protected:
    // Content of skinCount skins, one scenery set and three projectile images;
    // then world setup on a World that holds leftovers of an earlier game.
    void setUpWorld(int32_t skinCount) {
        ASSERT_TRUE(gl.ok());
        for (int32_t i = 0; i < skinCount; i++) skins.emplace_back(64, 1024, uint8_t(10 * (i + 1)));
        for (int32_t i = 0; i < 3; i++) projectiles.emplace_back(64, 64, uint8_t(100 + 10 * i));
        for (Picture& skin : skins) skinBitmaps.push_back(skin.bitmap());
        for (Picture& projectile : projectiles) projectileBitmaps.push_back(projectile.bitmap());
        backgroundBitmap = background.bitmap();
        atlasBitmap = atlas.bitmap();
        world->skinCount = skinCount;
        world->skins = skinBitmaps.data();
        world->sceneryCount = 1;
        world->backgrounds = &backgroundBitmap;
        world->tileAtlases = &atlasBitmap;
        world->projectileImageCount = 3;
        world->projectileImages = projectileBitmaps.data();
        library.install();

        world->cameraX = world->cameraY = 123;
        actorCursor = 77;
        for (Projectile& projectile : world->projectiles) projectile.type = 5;
        setupWorld();
        ASSERT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    }

    OffscreenGl gl;
    TestWorld testWorld;
    ScratchWorkingDir folder;
    TemplateLibrary library{std::vector<int32_t>(MaskCount, 1)};
    Picture background{640, 640, 200};
    Picture atlas{512, 256, 210};
    std::vector<Picture> skins, projectiles;
    std::vector<IndexedBitmap> skinBitmaps, projectileBitmaps;
    IndexedBitmap backgroundBitmap, atlasBitmap;
};

TEST_F(WorldSetupTest, FigurePartsAreCutFromTheirSkinsBlocks) {
    setUpWorld(3);
    struct Case {
        int32_t enemyType;  // -1: the player
        int32_t part, skin, block;
    };
    const Case cases[] = {
        {-1, 0, 0, 5},  {-1, 1, 1, 6},   {-1, 5, 2, 14}, {-1, 8, 2, 0},  {-1, 14, 2, 15}, {-1, 15, 0, 1},
        {4, 0, 1, 5},   {4, 3, 1, 12},   {4, 5, 1, 14},  {4, 7, 1, 4},   {4, 11, 1, 8},   {4, 13, 1, 2},
        {0, 9, 0, 10},  {0, 10, 0, 9},   {2, 6, 2, 11},  {2, 12, 2, 3},  {35, 4, 2, 13},  {33, 2, 0, 7},
    };
    for (const Case& c : cases) {
        const uint32_t* parts = c.enemyType < 0 ? world->player.partTextures : world->enemyTypes[c.enemyType].partTextures;
        EXPECT_TRUE(showsBlock(readTexture(parts[c.part]), skins[c.skin], c.block))
            << "figure " << c.enemyType << " part " << c.part;
    }
}

TEST_F(WorldSetupTest, OneSkinDressesEveryFigureAlike) {
    setUpWorld(1);
    for (int32_t part = 0; part < PartCount; part++) {
        std::vector<uint32_t> player = readTexture(world->player.partTextures[part]).texels;
        for (int32_t type = 0; type < EnemyTypeCount; type += 7) {
            EXPECT_EQ(readTexture(world->enemyTypes[type].partTextures[part]).texels, player)
                << "type " << type << " part " << part;
        }
    }
}

TEST_F(WorldSetupTest, ScenerySitsInTheTopLeftOfItsTexture) {
    setUpWorld(3);
    Texture backgroundTexture = readTexture(world->backgroundTexture);
    ASSERT_EQ(backgroundTexture.width, 1024);
    ASSERT_EQ(backgroundTexture.height, 1024);
    struct Texel {
        int32_t x, y;
    };
    for (Texel t : {Texel{0, 0}, Texel{639, 0}, Texel{0, 639}, Texel{639, 639}, Texel{317, 402}}) {
        EXPECT_EQ(backgroundTexture.at(t.x, t.y), background.at(t.x, t.y)) << t.x << "," << t.y;
    }
    for (Texel t : {Texel{640, 0}, Texel{0, 640}, Texel{1023, 1023}, Texel{700, 300}, Texel{300, 700}}) {
        EXPECT_EQ(backgroundTexture.at(t.x, t.y), 0u) << "transparent black at " << t.x << "," << t.y;
    }

    Texture atlasTexture = readTexture(world->tileAtlasTexture);
    ASSERT_EQ(atlasTexture.width, 512);
    ASSERT_EQ(atlasTexture.height, 256);
    for (int32_t y = 0; y < 256; y++) {
        for (int32_t x = 0; x < 512; x++) ASSERT_EQ(atlasTexture.at(x, y), atlas.at(x, y)) << x << "," << y;
    }
}

TEST_F(WorldSetupTest, ProjectileTypesTakeTheImagesInTurn) {
    setUpWorld(3);
    for (int32_t type : {0, 1, 2, 3, 4, 6, 62, 63}) {
        Texture texture = readTexture(world->projectileTypes[type].texture);
        ASSERT_EQ(texture.width, 64);
        EXPECT_TRUE(showsBlock(texture, projectiles[type % 3], 0)) << "type " << type;
    }
    for (const ProjectileType& type : world->projectileTypes) EXPECT_EQ(type.damage, 10);
}

TEST_F(WorldSetupTest, SceneryIsSharpAndFiguresAreSmooth) {
    setUpWorld(3);
    struct Case {
        const char* what;
        uint32_t texture;
        GLint filter;
    };
    const Case cases[] = {
        {"background", world->backgroundTexture, GL_NEAREST},
        {"tile atlas", world->tileAtlasTexture, GL_NEAREST},
        {"player part", world->player.partTextures[15], GL_LINEAR},
        {"enemy part", world->enemyTypes[35].partTextures[0], GL_LINEAR},
        {"projectile", world->projectileTypes[63].texture, GL_LINEAR},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(filterOf(c.texture, GL_TEXTURE_MIN_FILTER), c.filter) << c.what;
        EXPECT_EQ(filterOf(c.texture, GL_TEXTURE_MAG_FILTER), c.filter) << c.what;
    }
}

TEST_F(WorldSetupTest, EnemyTypesGetTheirBehaviours) {
    setUpWorld(3);
    using Behaviour = void (*)(Enemy*);
    const Behaviour expected[EnemyTypeCount] = {
        hoverAndShoot,   hoverAndShoot,   hoverAndShoot,   hoverAndShoot,     patrolTurnAtLedges, standAndShoot,
        hoverAndShoot,   patrolTurnAtWalls, hoverThenWave, standAndShoot,     standAndShoot,      hoverAndShoot,
        standAndShoot,   hoverThenBounce, hoverAndShoot,   hoverChaseShoot,   hoverChaseShoot,    standAndShoot,
        // 18 to 35 have none
    };
    for (int32_t type = 0; type < EnemyTypeCount; type++) {
        EXPECT_EQ(world->enemyTypes[type].behaviour, expected[type]) << "type " << type;
    }
}

// As the tools and the fuzzers build the world: no texture is made, and no name is
// left to chance.
TEST_F(WorldSetupTest, WithoutAContextEveryTextureNameIsNone) {
    OSMesaMakeCurrent(nullptr, nullptr, 0, 0, 0);
    setUpWorld(3);
    EXPECT_EQ(world->backgroundTexture, 0u);
    EXPECT_EQ(world->tileAtlasTexture, 0u);
    for (const ProjectileType& type : world->projectileTypes) EXPECT_EQ(type.texture, 0u);
}

TEST_F(WorldSetupTest, LeavesTheWorldBuiltAndEmpty) {
    Actor* leftover = &world->player;  // stands for an enemy of an earlier game
    for (Actor*& slot : world->actorSlots) slot = leftover;
    setUpWorld(3);
    int32_t filled = 0;
    for (Actor*& slot : world->actorSlots) {
        filled += slot != nullptr;
        slot = nullptr;  // the player is not ours to delete
    }
    EXPECT_EQ(filled, 0);
    for (const Projectile& projectile : world->projectiles) EXPECT_EQ(projectile.type, ProjectileFree);
    EXPECT_EQ(world->cameraX, 0);
    EXPECT_EQ(world->cameraY, 0);
    EXPECT_EQ(actorCursor, 0);

    // The centre room stands on the maze's root, with the spawn of its template.
    const Room& centre = world->rooms[25][25];
    EXPECT_EQ(centre.doorMask, 3);
    EXPECT_EQ(TemplateLibrary::markOf(centre), library.first[3]);
    EXPECT_EQ(world->collisionGrid[500][500], conv[library.first[3] + 1]);
    ASSERT_EQ(centre.spawnCount, 1);
    EXPECT_EQ(centre.spawns[0].x, 16320);
    EXPECT_EQ(centre.spawns[0].y, 16600);
    EXPECT_EQ(folder.read("happy.txt").size(), 6u + 100u * 151u);
}

}  // namespace
