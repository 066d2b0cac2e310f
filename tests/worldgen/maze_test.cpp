// World setup on a small made-up library: the maze, the rooms, the textures and the type tables.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <fstream>
#include <sstream>

#include "actors/behaviours.h"
#include "content/texture.h"
#include "tests/support/content_files.h"
#include "tests/support/test_world.h"
#include "tools/offscreen/offscreen_gl.h"
#include "worldgen/maze_picture.h"
#include "worldgen/world_setup.h"
#include "worldgen/world_textures.h"

namespace {

constexpr int32_t TemplatesPerMask = 2;

// An indexed picture of one palette entry per block of 64 x 64: entry i is (i, tag, 0).
IndexedBitmap blocks(int32_t width, int32_t height, uint8_t tag) {
    IndexedBitmap picture{new uint8_t[width * height], new uint32_t[256]};
    for (int32_t i = 0; i < width * height; i++) picture.indices[i] = uint8_t(i / (64 * 64));
    for (int32_t i = 0; i < 256; i++) picture.colors[i] = rgba(uint8_t(i), tag, 0);
    return picture;
}

// Texel (x, y) of a texture, as bytes R, G, B, A.
uint32_t texel(uint32_t texture, int32_t x, int32_t y) {
    GLint width, height;
    glBindTexture(GL_TEXTURE_2D, texture);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    std::vector<uint32_t> image(width * height);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, image.data());
    return image[y * width + x];
}

class WorldSetup : public ::testing::Test {
protected:
    WorldSetup() : inside(dir.path()) {
        w->skinCount = 2;
        w->skins = new IndexedBitmap[2]{blocks(64, 1024, 0), blocks(64, 1024, 1)};
        w->sceneryCount = 2;
        w->backgrounds = new IndexedBitmap[2]{blocks(640, 640, 10), blocks(640, 640, 11)};
        w->tileAtlases = new IndexedBitmap[2]{blocks(512, 256, 20), blocks(512, 256, 21)};
        w->projectileImageCount = 2;
        w->projectileImages = new IndexedBitmap[2]{blocks(64, 64, 30), blocks(64, 64, 31)};
        w->roomTemplates = new RoomTemplate[MaskCount * TemplatesPerMask]();
        for (int32_t i = 0; i < MaskCount * TemplatesPerMask; i++) {
            w->roomTemplates[i].doorMask = i / TemplatesPerMask;
            w->roomTemplates[i].tiles[0][i % RoomTiles] = 40 + i % 2;
        }
        for (int32_t mask = 0; mask < MaskCount; mask++) {
            w->firstTemplateByMask[mask] = mask * TemplatesPerMask;
            w->templateCountByMask[mask] = TemplatesPerMask;
        }
        w->templateCountByMask[15] = 0;  // its rooms get no template
        loadTexture(dir.write("bar.bmp", plainBitmap(8, 4)).c_str(), &w->healthbarTexture);
        w->actorSlots[5] = &w->player;  // as a former play might leave things, for setup to clear
        actorCursor = 9, w->cameraX = w->cameraY = 7, w->projectiles[3].type = 1, w->projectileTypes[5].damage = 0;
        setupWorld();
    }
    ~WorldSetup() override {
        freeIndexedBitmaps(w->skins, 2);
        freeIndexedBitmaps(w->backgrounds, 2);
        freeIndexedBitmaps(w->tileAtlases, 2);
        freeIndexedBitmaps(w->projectileImages, 2);
        delete[] w->roomTemplates;
    }

    OffscreenGl gl;
    ScratchDir dir;
    WorkingDirectory inside;
    TestWorld w;
};

// The fixed seed always grows the same fifty rooms from the centre, and the same template choice.
TEST_F(WorldSetup, DrawsTheSameMazeAndTemplatesEveryTime) {
    uint64_t fingerprint = 0;
    int carved = 0;
    for (int32_t y = 0; y < WorldRooms; y++) {
        for (int32_t x = 0; x < WorldRooms; x++) {
            const MazeCell& cell = w->maze[x][y];
            fingerprint = fingerprint * 1000003 + uint64_t(cell.doors * 100 + cell.templateIndex + 1);
            carved += cell.state == CellCarved;
        }
    }
    EXPECT_EQ(carved * 10 + (w->maze[25][25].state == CellCarved), 501);
    EXPECT_EQ(fingerprint, 12923318518760167816u);
    std::ifstream picture("happy.txt");
    std::stringstream text;
    text << picture.rdbuf();
    EXPECT_EQ(std::hash<std::string>()(text.str()), 15413264652769404912u);
    EXPECT_EQ(text.str().substr(0, 6), "hello?");
}

// The maze picture replaces a link planted under its name, never writing through it.
TEST_F(WorldSetup, ReplacesALinkedMazePictureWhole) {
    for (int (*plant)() :
         {+[] { return symlink("victim", "happy.txt"); }, +[] { return link("victim", "happy.txt"); }}) {
        remove("happy.txt");
        std::ofstream("victim") << "victim\n";
        ASSERT_EQ(plant(), 0);
        generateMaze(WorldRooms, WorldRooms);
        std::stringstream victim;
        victim << std::ifstream("victim").rdbuf();
        struct stat file;
        EXPECT_TRUE(victim.str() == "victim\n" && lstat("happy.txt", &file) == 0 && S_ISREG(file.st_mode) &&
                    file.st_nlink == 1);
    }
}

MazePicture picture;
// What a signal found when it came: 1 the new file left, 2 happy.txt in place; -1 none came.
volatile sig_atomic_t foundOnSignal;
void lookAtThePicture(int) { foundOnSignal = (access(picture.path, F_OK) == 0) + 2 * (access("happy.txt", F_OK) == 0); }

// A signal that would end the game while the maze picture is written takes its former action
// only once the picture is in place, its new file gone.
TEST_F(WorldSetup, EndingSignalsWaitForTheMazePicture) {
    for (int number : {SIGTERM, SIGINT, SIGHUP}) {
        remove("happy.txt");
        struct sigaction look = {}, before;
        look.sa_handler = lookAtThePicture;
        sigaction(number, &look, &before);
        foundOnSignal = -1;
        startMazePicture(&picture);
        raise(number);
        writeMazePicture(picture.file);
        finishMazePicture(&picture);
        sigaction(number, &before, nullptr);
        EXPECT_EQ(foundOnSignal, 2) << number;
    }
}

TEST_F(WorldSetup, BuildsEveryRoomFromItsTemplateOrOpen) {
    std::string classes;
    for (int8_t cls : conv) classes += char('0' + cls);
    EXPECT_EQ(classes, std::string("0009993211111111000999111111111189999911111111110997711111111111") +
                           "3207750006666666111114000000000011111460060000001111140000006666");
    for (int32_t x = 0; x < WorldRooms; x++) {
        for (int32_t y = 0; y < WorldRooms; y++) {
            const MazeCell& cell = w->maze[x][y];
            const Room& room = w->rooms[x][y];
            ASSERT_EQ(room.doorMask, cell.doors);
            int32_t used = cell.templateIndex == NoTemplate ? -1 : cell.templateIndex % RoomTiles;
            for (int32_t col = 0; col < RoomTiles; col++) {
                int32_t code = col == used ? 40 + cell.templateIndex % 2 : 0;
                ASSERT_EQ(room.tiles[0][col], code) << x << "," << y;
                ASSERT_EQ(w->collisionGrid[y * RoomTiles][x * RoomTiles + col], conv[code]) << x << "," << y;
            }
        }
    }
}

TEST_F(WorldSetup, PlacesSpawnPointsInTheRoom) {
    SpawnPoint spawns[2] = {{5, 6, 3, 1, 1}, {630, 7, 4, 0, 1}};
    RoomTemplate room{};
    room.doorMask = 9;
    room.spawns = spawns;
    room.spawnCount = 2;
    instantiateRoom(room, 3, 7);
    const Room& made = w->rooms[3][7];
    EXPECT_EQ(made.doorMask * 10 + made.spawnCount, 92);
    EXPECT_EQ(made.spawns[1].x * 10000 + made.spawns[1].y, (3 * 640 + 630) * 10000 + 7 * 640 + 7);
    EXPECT_EQ(made.spawns[0].enemyType * 10 + made.spawns[0].facingLeft, 31);
}

TEST_F(WorldSetup, CutsTexturesFromTheFirstSceneryAndEachSkin) {
    EXPECT_EQ(texel(w->tileAtlasTexture, 100, 200), rgba(25, 20, 0));
    EXPECT_EQ(texel(w->backgroundTexture, 0, 639), rgba(99, 10, 0));
    EXPECT_EQ(texel(w->backgroundTexture, 0, 640) | texel(w->backgroundTexture, 640, 0), 0u);
    const uint8_t blockOfPart[PartCount] = {5, 6, 7, 12, 13, 14, 11, 4, 0, 10, 9, 8, 3, 2, 15, 1};
    for (int32_t part = 0; part < PartCount; part++) {
        EXPECT_EQ(texel(w->player.partTextures[part], 0, 0), rgba(blockOfPart[part], uint8_t(part % 2), 0));
        EXPECT_EQ(texel(w->enemyTypes[35].partTextures[part], 0, 0), rgba(blockOfPart[part], 1, 0));
    }
    for (int32_t type : {5, 63}) EXPECT_EQ(texel(w->projectileTypes[type].texture, 0, 0), rgba(0, 31, 0));
    EXPECT_EQ(w->projectileTypes[5].damage, 10);
    // Scenery stays sharp; figures and shots, turned and scaled, are smoothed.
    std::vector<GLint> filters;
    for (uint32_t t : {w->backgroundTexture, w->tileAtlasTexture, w->healthbarTexture, w->player.partTextures[3],
                       w->projectileTypes[0].texture}) {
        glBindTexture(GL_TEXTURE_2D, t);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filters.emplace_back());
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &filters.emplace_back());
    }
    EXPECT_EQ(filters, (std::vector<GLint>{GL_NEAREST, GL_NEAREST, GL_NEAREST, GL_NEAREST, GL_NEAREST, GL_NEAREST,
                                           GL_LINEAR, GL_LINEAR, GL_LINEAR, GL_LINEAR}));
}

TEST_F(WorldSetup, GivesBehavioursToTheFirstEighteenTypesAndEmptiesPlay) {
    void (*const kinds[])(Enemy*) = {nullptr,           hoverAndShoot, patrolTurnAtLedges, standAndShoot,
                                     patrolTurnAtWalls, hoverThenWave, hoverThenBounce,    hoverChaseShoot};
    std::string of;
    for (const EnemyType& type : w->enemyTypes) of += char('0' + (std::find(kinds, kinds + 8, type.behaviour) - kinds));
    EXPECT_EQ(of, "111123145331361773000000000000000000");
    EXPECT_TRUE(!w->cameraX && !w->cameraY && !actorCursor && !w->actorSlots[5] &&
                w->projectiles[3].type == ProjectileFree);
}

}  // namespace
