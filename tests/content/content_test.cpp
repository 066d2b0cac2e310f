#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "content/content.h"
#include "content/content_list.h"
#include "shell/world.h"
#include "tests/content/content_files.h"
#include "tests/support/offscreen_gl.h"
#include "tests/support/test_world.h"

namespace {

// A real World; whatever content a load left in it is freed at the end.
class LoadedWorld {
public:
    ~LoadedWorld() {
        ContentPictures left = {w->skinCount,   w->sceneryCount, w->projectileImageCount, w->skins,
                                w->backgrounds, w->tileAtlases,  w->projectileImages};
        freeContentPictures(&left);
        int32_t templateCount = 0;
        for (int32_t count : w->templateCountByMask) templateCount += count;
        freeRoomTemplates(w->roomTemplates, templateCount);
    }
    World* operator->() const { return w.operator->(); }
    // The test world's still animations give way to loaded ones.
    bool load() {
        Animation* stills = w->animations;
        bool loaded = loadContent();
        if (w->animations != stills) freeAnimations(stills, AnimationCount);
        return loaded;
    }

private:
    TestWorld w;
};

// A picture of one colour: every index 0, palette entry 0 = (red, red, red).
std::string solidBitmap(int32_t width, int32_t height, uint8_t red) {
    return bitmapBytes({width, height, {{red, red, red}}, std::vector<uint8_t>(size_t(width) * height, 0)});
}

class LoadContent : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(gl.ok());
        writeDataFolder(dir);
    }
    OffscreenGl gl;
    ScratchDir dir;
};

TEST_F(LoadContent, FillsEveryFieldOfTheWorldFromACompleteFolder) {
    WorkingDirectory inData(dir.path());
    LoadedWorld loaded;
    ASSERT_TRUE(loaded.load());
    EXPECT_EQ(loaded->skinCount, 1);
    EXPECT_EQ(loaded->sceneryCount, 1);
    EXPECT_EQ(loaded->projectileImageCount, 1);
    // plainBitmap: pixel (x, y) has index (x + y) % 2; colour 1 is (200, 100, 50).
    for (IndexedBitmap* picture : {loaded->skins, loaded->backgrounds, loaded->tileAtlases, loaded->projectileImages}) {
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->indices[0], 0);
        EXPECT_EQ(picture->indices[1], 1);
        EXPECT_EQ(picture->colors[1], rgba(200, 100, 50));
    }
    EXPECT_EQ(loaded->skins[0].indices[64], 1);  // row 1 of a 64-wide picture
    const uint32_t textures[] = {loaded->healthbarTexture, loaded->itembarTexture, loaded->bossbarTexture,
                                 loaded->emptybarTexture, loaded->bulletTexture};
    for (int i = 0; i < 5; i++) {
        ASSERT_TRUE(glIsTexture(textures[i])) << FixedPictures[i].path;
        GLint width = 0, height = 0;
        glBindTexture(GL_TEXTURE_2D, textures[i]);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
        EXPECT_EQ(width, FixedPictures[i].width) << FixedPictures[i].path;
        EXPECT_EQ(height, FixedPictures[i].height) << FixedPictures[i].path;
    }
    ASSERT_NE(loaded->animations, nullptr);
    EXPECT_EQ(loaded->animations[66].frameCount, 1);
    ASSERT_NE(loaded->roomTemplates, nullptr);
    for (int32_t mask = 0; mask < MaskCount; mask++) {
        EXPECT_EQ(loaded->firstTemplateByMask[mask], mask);
        EXPECT_EQ(loaded->templateCountByMask[mask], 1);
        EXPECT_EQ(loaded->roomTemplates[mask].doorMask, mask);
    }
}

TEST_F(LoadContent, ReadsTheListInAnyLayoutAndEverySceneryAndProjectileInOrder) {
    dir.write("data/cave/background.bmp", solidBitmap(640, 640, 1));
    dir.write("data/dark/background.bmp", solidBitmap(640, 640, 2));
    dir.write("data/dark/tiles.bmp", solidBitmap(512, 256, 3));
    dir.write("data/projectiles/arrow.bmp", solidBitmap(64, 64, 4));
    dir.write("data/projectiles/fireball.bmp", solidBitmap(64, 64, 5));
    for (const char* list : {"2 hero hero 2 cave dark 2 arrow fireball", "2\nhero\thero\n\n2\r\ncave\n  dark\n2\narrow\nfireball\n"}) {
        dir.write("data/contents.txt", list);
        WorkingDirectory inData(dir.path());
        LoadedWorld loaded;
        ASSERT_TRUE(loaded.load()) << list;
        EXPECT_EQ(loaded->skinCount, 2);
        EXPECT_EQ(loaded->sceneryCount, 2);
        EXPECT_EQ(loaded->projectileImageCount, 2);
        EXPECT_EQ(loaded->backgrounds[0].colors[0], rgba(1, 1, 1));
        EXPECT_EQ(loaded->backgrounds[1].colors[0], rgba(2, 2, 2));
        EXPECT_EQ(loaded->tileAtlases[1].colors[0], rgba(3, 3, 3));
        EXPECT_EQ(loaded->projectileImages[0].colors[0], rgba(4, 4, 4));
        EXPECT_EQ(loaded->projectileImages[1].colors[0], rgba(5, 5, 5));
    }
}

struct MissingFiles {
    std::vector<const char*> removed;
    const char* firstReported;  // the file that the loader reaches first
};

TEST_F(LoadContent, ReachesTheFilesInItsFixedOrder) {
    const MissingFiles cases[] = {
        {{"data/dark/background.bmp", "data/dark/tiles.bmp", "data/healthbar.bmp"}, "data/dark/background.bmp"},
        {{"data/dark/tiles.bmp", "data/healthbar.bmp"}, "data/dark/tiles.bmp"},
        {{"data/healthbar.bmp", "data/itembar.bmp"}, "data/healthbar.bmp"},
        {{"data/itembar.bmp", "data/bossbar.bmp"}, "data/itembar.bmp"},
        {{"data/bossbar.bmp", "data/emptybar.bmp"}, "data/bossbar.bmp"},
        {{"data/projectiles/bullet.bmp", "data/emptybar.bmp", "data/AnimationData.txt"}, "data/emptybar.bmp"},
        {{"data/projectiles/bullet.bmp", "data/AnimationData.txt", "data/map.txt"}, "data/projectiles/bullet.bmp"},
        {{"data/AnimationData.txt", "data/map.txt"}, "data/AnimationData.txt"},
        {{"data/map.txt"}, "data/map.txt"},
    };
    for (const MissingFiles& c : cases) {
        ScratchDir root;
        writeDataFolder(root);
        root.write("data/contents.txt", "1 hero 2 cave dark 1 fireball");
        root.write("data/dark/background.bmp", plainBitmap(640, 640));
        root.write("data/dark/tiles.bmp", plainBitmap(512, 256));
        for (const char* file : c.removed) std::remove((root.path() + "/" + file).c_str());
        WorkingDirectory inData(root.path());
        LoadedWorld loaded;
        testing::internal::CaptureStderr();
        EXPECT_FALSE(loaded.load()) << c.firstReported;
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  std::string(c.firstReported) + ": cannot open (No such file or directory)\n");
    }
}

TEST(LoadContentList, TakesTheLongestNameThatFitsThePathBuffer) {
    ScratchDir dir;
    writeDataFolder(dir);
    const std::string longest(241, 'h');
    dir.write("data/" + longest + "/skin.bmp", plainBitmap(64, 1024));
    dir.write("data/contents.txt", "1 " + longest + " 1 cave 1 fireball");
    WorkingDirectory inData(dir.path());
    ContentPictures pictures{};
    ASSERT_TRUE(loadContentList("data/contents.txt", &pictures));
    EXPECT_EQ(pictures.skinCount, 1);
    freeContentPictures(&pictures);
}

}  // namespace
