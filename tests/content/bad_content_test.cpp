#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "content/animation.h"
#include "content/bitmap.h"
#include "content/content_list.h"
#include "content/room_template.h"
#include "content/texture.h"
#include "tests/content/content_files.h"
#include "tests/support/offscreen_gl.h"

namespace {

enum Loader { ListLoader, TextureLoader, TemplateLoader, AnimationLoader };

struct BadContent {
    const char* name;
    Loader loader;
    std::string file;      // below the data folder's root
    std::string contents;  // written over the valid file
    std::string message;   // the one line expected on standard error, without its end
    bool removeFile = false;
};

// Runs a loader on the data folder in the working directory; true when it loaded.
bool runLoader(Loader loader) {
    switch (loader) {
    case ListLoader: {
        ContentPictures pictures{};
        return loadContentList("data/contents.txt", &pictures);
    }
    case TextureLoader: {
        uint32_t texture = 0;
        return loadTexture("data/healthbar.bmp", &texture);
    }
    case TemplateLoader: {
        RoomTemplate* templates = nullptr;
        int32_t first[MaskCount], counts[MaskCount];
        return loadRoomTemplates("data/map.txt", &templates, first, counts) >= 0;
    }
    case AnimationLoader: {
        Animation* animations = nullptr;
        return loadAnimations("data/AnimationData.txt", &animations);
    }
    }
    return false;
}

std::string skinWith(const std::function<void(BitmapFile&)>& change) {
    BitmapFile skin = plainBitmapFile(64, 1024);
    change(skin);
    return bitmapBytes(skin);
}

std::string mapWithTemplate(size_t index, const std::string& replacement) {
    std::vector<std::string> templates = templatesOfEveryMask();
    templates[index] = replacement;
    return mapText(templates);
}

std::string poseWithToken(const std::string& token) {
    std::string text = animationFileText(2, {});
    size_t secondPose = text.find('\n') + 1 + keyPoseText(0).size();
    return text.replace(secondPose, 2, token + " ");  // its first x, "10"
}

std::vector<BadContent> listCases() {
    const std::string tooLong = "1 hero 1 cave 1 fireball";
    return {
        {"no list", ListLoader, "data/contents.txt", "", "data/contents.txt: cannot open (No such file or directory)", true},
        {"empty list", ListLoader, "data/contents.txt", " \n", "data/contents.txt: skin count is missing"},
        {"no skins", ListLoader, "data/contents.txt", "0 1 cave 1 fireball", "data/contents.txt: skin count 0 is outside 1..1000"},
        {"negative count", ListLoader, "data/contents.txt", "-1 hero", "data/contents.txt: skin count -1 is outside 1..1000"},
        {"huge count", ListLoader, "data/contents.txt", "99999999999 hero", "data/contents.txt: skin count 99999999999 is outside 1..1000"},
        {"long count", ListLoader, "data/contents.txt", std::string(40, '0') + "1 hero",
         "data/contents.txt: skin count: a number token is longer than 29 characters"},
        {"list byte-order mark", ListLoader, "data/contents.txt", "\xef\xbb\xbf" "1 hero 1 cave 1 fireball",
         "data/contents.txt: starts with a UTF-8 byte-order mark; save it without one"},
        {"word for count", ListLoader, "data/contents.txt", "1 hero cave", "data/contents.txt: scenery set count is not a number"},
        {"names run out", ListLoader, "data/contents.txt", "1 hero 1 cave 2 fireball", "data/contents.txt: projectile image 1: name is missing"},
        {"long skin name", ListLoader, "data/contents.txt", "1 " + std::string(242, 's') + " 1 cave 1 fireball",
         "data/contents.txt: skin 0: name is longer than 241 characters"},
        {"long scenery name", ListLoader, "data/contents.txt", "1 hero 1 " + std::string(236, 'c') + " 1 fireball",
         "data/contents.txt: scenery set 0: name is longer than 235 characters"},
        {"long projectile name", ListLoader, "data/contents.txt", "1 hero 1 cave 1 " + std::string(300, 'p'),
         "data/contents.txt: projectile image 0: name is longer than 234 characters"},
        {"missing picture", ListLoader, "data/contents.txt", "1 hero 1 cave 1 ice",
         "data/projectiles/ice.bmp: cannot open (No such file or directory)"},
        {"short skin", ListLoader, "data/hero/skin.bmp", plainBitmap(64, 512), "data/hero/skin.bmp: is 64 x 512, a skin must be 64 x 1024"},
        {"short background", ListLoader, "data/cave/background.bmp", plainBitmap(640, 480),
         "data/cave/background.bmp: is 640 x 480, a background must be 640 x 640"},
        {"tall atlas", ListLoader, "data/cave/tiles.bmp", plainBitmap(512, 512), "data/cave/tiles.bmp: is 512 x 512, a tile atlas must be 512 x 256"},
        {"narrow projectile", ListLoader, "data/projectiles/fireball.bmp", plainBitmap(32, 64),
         "data/projectiles/fireball.bmp: is 32 x 64, a projectile image must be 64 x 64"},
    };
}

std::vector<BadContent> bitmapCases() {
    const std::string skin = "data/hero/skin.bmp";
    std::string truncated = plainBitmap(64, 1024);
    truncated.pop_back();
    return {
        {"24 bits", ListLoader, skin, skinWith([](BitmapFile& b) { b.bitsPerPixel = 24; }),
         skin + ": has 24 bits per pixel, pictures must have 8"},
        {"compressed", ListLoader, skin, skinWith([](BitmapFile& b) { b.compression = 1; }),
         skin + ": is compressed (method 1), pictures must be uncompressed"},
        {"odd width", ListLoader, skin, skinWith([](BitmapFile& b) { b.width = 62; }), skin + ": width 62 is not a positive multiple of 4"},
        {"zero width", ListLoader, skin, skinWith([](BitmapFile& b) { b.width = 0; }), skin + ": width 0 is not a positive multiple of 4"},
        {"no rows", ListLoader, skin, skinWith([](BitmapFile& b) { b.height = 0; }), skin + ": height 0 leaves no rows"},
        {"bad signature", ListLoader, skin, skinWith([](BitmapFile& b) { b.signature = "PK"; }),
         skin + ": is not a bitmap: it does not start with \"BM\""},
        {"OS/2 header", ListLoader, skin, skinWith([](BitmapFile& b) { b.infoHeaderSize = 12; }),
         skin + ": has an info header of 12 bytes, pictures must have one of 40, 108 or 124"},
        {"palette over the pixels", ListLoader, skin, skinWith([](BitmapFile& b) { b.colorCount = 0; }),
         skin + ": palette of 256 colours runs into the pixels at offset 62"},
        {"colour count 257", ListLoader, skin, skinWith([](BitmapFile& b) { b.colorCount = 257; }), skin + ": colour count 257 is outside 1..256"},
        {"huge picture", ListLoader, skin, bitmapBytes({100000, 100000, {{0, 0, 0}}, {}}),
         skin + ": is 100000 x 100000, more than 16777216 pixels"},
        {"truncated pixels", ListLoader, skin, truncated, skin + ": is truncated: 65597 bytes, its header needs 65598"},
        {"truncated header", ListLoader, skin, "BM0123456789", skin + ": is too short for a bitmap header (12 bytes)"},
        {"texture not a power of two", TextureLoader, "data/healthbar.bmp", plainBitmap(12, 4),
         "data/healthbar.bmp: is 12 x 4, a texture's sides must be powers of two"},
        {"missing texture", TextureLoader, "data/healthbar.bmp", "", "data/healthbar.bmp: cannot open (No such file or directory)", true},
    };
}

std::vector<BadContent> templateCases() {
    std::string early = mapText(templatesOfEveryMask());
    early.resize(early.size() - 3);  // the last template's door mask and more
    std::vector<std::string> noMask7 = templatesOfEveryMask();
    noMask7[7] = templateText(8);
    return {
        {"no map", TemplateLoader, "data/map.txt", "", "data/map.txt: cannot open (No such file or directory)", true},
        {"empty map", TemplateLoader, "data/map.txt", "\r\n", "data/map.txt: file ends early"},
        {"no templates", TemplateLoader, "data/map.txt", "0\n", "data/map.txt: template count 0 is outside 1..10000"},
        {"negative count", TemplateLoader, "data/map.txt", "-3 ", "data/map.txt: template count -3 is outside 1..10000"},
        {"huge count", TemplateLoader, "data/map.txt", "2000000000 ", "data/map.txt: template count 2000000000 is outside 1..10000"},
        {"tile 128", TemplateLoader, "data/map.txt", mapWithTemplate(0, templateText(0, "0", tileCodes(128))),
         "data/map.txt: template 0, row 0, column 0: tile code 128 is outside 0..127"},
        {"word for a tile", TemplateLoader, "data/map.txt", "16\n0 0 wall",
         "data/map.txt: template 0, row 0, column 2: tile code wall (read as -1) is outside 0..127"},
        {"plus sign", TemplateLoader, "data/map.txt", "16\n+8 ",
         "data/map.txt: template 0, row 0, column 0: tile code +8 (read as -42) is outside 0..127"},
        {"byte-order mark", TemplateLoader, "data/map.txt", "\xef\xbb\xbf" + mapText(templatesOfEveryMask()),
         "data/map.txt: starts with a UTF-8 byte-order mark; save it without one"},
        {"spawn x past the room", TemplateLoader, "data/map.txt", mapWithTemplate(0, templateText(0, "1 640 600 0 4")),
         "data/map.txt: template 0, spawn 0: spawn x 640 is outside 0..639"},
        {"spawn y overflowing", TemplateLoader, "data/map.txt", mapWithTemplate(0, templateText(0, "1 320 2147483000 0 4")),
         "data/map.txt: template 0, spawn 0: spawn y 2147483000 is outside 0..639"},
        {"door mask 19", TemplateLoader, "data/map.txt", mapWithTemplate(12, templateText(19)),
         "data/map.txt: template 12: door mask 19 is outside 0..15"},
        {"51 spawns", TemplateLoader, "data/map.txt", mapWithTemplate(0, templateText(0, "51")),
         "data/map.txt: template 0: spawn count 51 is outside 0..50"},
        {"negative spawns", TemplateLoader, "data/map.txt", mapWithTemplate(3, templateText(3, "-1")),
         "data/map.txt: template 3: spawn count -1 is outside 0..50"},
        {"enemy type 18", TemplateLoader, "data/map.txt", mapWithTemplate(0, templateText(0, "2 1 2 0 17 3 4 1 18")),
         "data/map.txt: template 0, spawn 1: enemy type 18 is outside 0..17"},
        {"mask 7 missing", TemplateLoader, "data/map.txt", mapText(noMask7), "data/map.txt: no template has door mask 7"},
        {"map ends early", TemplateLoader, "data/map.txt", early, "data/map.txt: template 15: file ends early"},
        {"spawns end early", TemplateLoader, "data/map.txt", "1\n" + templateText(0, "1 320 600"),
         "data/map.txt: template 0, spawn 0: file ends early"},
    };
}

std::vector<BadContent> animationCases() {
    const std::string file = "data/AnimationData.txt";
    std::string early = animationFileText(2, {});
    early.resize(early.find(" animations"));
    std::string posesEarly = "2 poses\n" + keyPoseText(0) + "1 2";
    std::string lastEarly = animationFileText(2, {});
    lastEarly.resize(lastEarly.size() - 4);  // the last step's length and final pose
    std::vector<std::string> many(67, "long 0 0 0 0 1 0 1500 1");
    return {
        {"no animation file", AnimationLoader, file, "", file + ": cannot open (No such file or directory)", true},
        {"no key poses", AnimationLoader, file, "0 poses 67 animations", file + ": key pose count 0 is outside 1..10000"},
        {"huge key pose count", AnimationLoader, file, "1000000000 poses", file + ": key pose count 1000000000 is outside 1..10000"},
        {"lone minus", AnimationLoader, file, poseWithToken("-"), file + ": key pose 1: \"-\" is not a number"},
        {"not a number", AnimationLoader, file, poseWithToken("-nan"), file + ": key pose 1: \"-nan\" is not a finite number"},
        {"beyond a float", AnimationLoader, file, poseWithToken("1e39"), file + ": key pose 1: \"1e39\" is not a finite number"},
        {"long number", AnimationLoader, file, poseWithToken(std::string(30, '1')),
         file + ": key pose 1: a number token is longer than 29 characters"},
        {"poses end early", AnimationLoader, file, posesEarly, file + ": key pose 1: file ends early"},
        {"66 animations", AnimationLoader, file, "1 pose " + keyPoseText(0) + "66 animations",
         file + ": animation count 66 is outside 67..10000"},
        {"animations end early", AnimationLoader, file, early, file + ": file ends early"},
        {"pose index K", AnimationLoader, file, animationFileText(2, {"walk 0 0 0 0 1 2 1 0"}),
         file + ": animation 0: key pose index 2 is outside 0..1"},
        {"final pose index", AnimationLoader, file, animationFileText(2, {"walk 0 0 0 0 1 0 1 -1"}),
         file + ": animation 0: key pose index -1 is outside 0..1"},
        {"zero steps", AnimationLoader, file, animationFileText(2, {"a 0 0 0 0 1 0 1 0", "b 0 0 0 0 0 0"}),
         file + ": animation 1: step count 0 is outside 1..10000"},
        {"zero length", AnimationLoader, file, animationFileText(2, {"a 0 0 0 0 2 0 1 1 0 0"}),
         file + ": animation 0: step length 0 is outside 1..100000"},
        {"too many frames", AnimationLoader, file, animationFileText(2, many),
         file + ": animation 66: the animations hold more than 100000 frames"},
        {"last animation ends early", AnimationLoader, file, lastEarly,
         file + ": animation 66: file ends early"},
    };
}

TEST(BadContent, EachProblemGivesOneLineNamingFileAndProblem) {
    OffscreenGl gl;  // textures need a context
    ASSERT_TRUE(gl.ok());
    std::vector<BadContent> cases;
    for (auto group : {listCases, bitmapCases, templateCases, animationCases}) {
        std::vector<BadContent> more = group();
        cases.insert(cases.end(), more.begin(), more.end());
    }
    for (const BadContent& c : cases) {
        ScratchDir root;
        writeDataFolder(root);
        std::string path = root.write(c.file, c.contents);
        if (c.removeFile) std::remove(path.c_str());
        WorkingDirectory inRoot(root.path());
        testing::internal::CaptureStderr();
        bool loaded = runLoader(c.loader);
        std::string err = testing::internal::GetCapturedStderr();
        EXPECT_FALSE(loaded) << c.name;
        EXPECT_EQ(err, c.message + "\n") << c.name;
    }
}

}  // namespace
