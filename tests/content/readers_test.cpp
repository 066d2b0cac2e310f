// The content readers on small files written here: tokens, bitmaps, room templates, animations, the list.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cmath>
#include <functional>
#include <sstream>
#include <tuple>

#include "content/animation.h"
#include "content/content.h"
#include "content/content_list.h"
#include "content/room_template.h"
#include "content/texture.h"
#include "content/token_reader.h"
#include "tests/support/content_files.h"
#include "tests/support/test_world.h"
#include "tools/offscreen/offscreen_gl.h"

namespace {

using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

struct TokenCase {
    const char* text;
    const char* reads;   // i readInt, f readFloat, r readIntInRange(0, 100)
    const char* expect;  // the values read, then "|" and the message, if any
};

const TokenCase tokenCases[] = {
    {"12\t-3\r\n7 1.5", "iiii", "12 -3 7 85 |"},
    {"1\v2 1\f2", "ii", "-268 -258 |"},
    {":x @ Ab 9x", "iiii", "-1 -1 -1 162 |"},
    {"2.5 x -0.25", "fff", "2.5 -1 -0.25 |"},
    {"5", "ii", "5 0 | f.txt: file ends early\n"},
    {"100 101", "rr", "100 101 | f.txt: tile code 101 is outside 0..100\n"},
    {"-1", "r", "-1 | f.txt: tile code -1 is outside 0..100\n"},
    {"4294967296", "r", "0 | f.txt: tile code is outside 0..100 (beyond 32 bits)\n"},
    {"12345678901234567890123456789 1e39", "ff", "1.23457e+28 0 | f.txt: \"1e39\" is not a finite number\n"},
    {"7 8", "rfi", "7 8 0 | f.txt: file ends early\n"},
    {"1 -nan", "ff", "1 0 | f.txt: \"-nan\" is not a finite number\n"},
    {"+3 -.5 1e5 2.5E-1 1e 1.000000000000000000000000000", "ffffff", "3 -0.5 100000 0.25 1 1 |"},
    {"1.0000000000000000000000000000", "f", "0 | f.txt: a number token is longer than 29 characters\n"},
    {"1.5abc 2", "ff", "0 0 | f.txt: \"1.5abc\" is not a decimal number\n"},
    {"-1,7062", "f", "0 | f.txt: \"-1,7062\" is not a decimal number\n"},
    {"0x10", "f", "0 | f.txt: \"0x10\" is not a decimal number\n"},
    {"0X1p3", "f", "0 | f.txt: \"0X1p3\" is not a decimal number\n"},
    {"1e999", "f", "0 | f.txt: \"1e999\" is not a finite number\n"},
};

TEST(TokenReader, ReadsTokensByItsRules) {
    for (const TokenCase& c : tokenCases) {
        ScratchDir dir;
        std::string path = dir.write("f.txt", c.text);
        TokenStream in;
        ASSERT_TRUE(openTokens(&in, path.c_str()));
        in.path = "f.txt";
        std::ostringstream values;
        CaptureStderr();
        for (const char* r = c.reads; *r; r++) {
            int32_t value = 0;
            if (*r == 'i') values << readInt(&in) << ' ';
            if (*r == 'f') values << readFloat(&in) << ' ';
            if (*r == 'r') values << (readIntInRange(&in, 0, 100, "tile code", &value), value) << ' ';
        }
        closeTokens(&in);
        std::string message = GetCapturedStderr();
        values << "|" << (message.empty() ? "" : " ") << message;
        EXPECT_EQ(values.str(), c.expect) << c.text;
    }
}

// Loads a bitmap written from the plain 4 x 2 one after change; the message, or the loaded picture.
std::string loadBitmap(const std::function<void(BitmapFile&, std::string&)>& change) {
    BitmapFile file = plainBitmapFile(4, 2);
    file.palette = {{255, 0, 255}, {10, 20, 30}};
    file.storedPixels = {0, 1, 1, 0, 1, 0, 0, 1};  // bottom row first
    std::string bytes;
    change(file, bytes);
    if (bytes.empty()) bytes = bitmapBytes(file);
    ScratchDir dir;
    std::string path = dir.write("p.bmp", bytes);
    int32_t width = 0, height = 0;
    uint32_t* colors = nullptr;
    uint8_t* indices = nullptr;
    uint32_t texture;  // without a context, loadTexture only reads the picture and checks its sides
    CaptureStderr();
    bool ok =
        loadTexture(path.c_str(), &texture) && loadIndexedBitmap(path.c_str(), &width, &height, &colors, &indices);
    std::string message = GetCapturedStderr();
    if (!ok) return message.substr(message.find(": ") + 2);
    std::ostringstream out;
    out << width << 'x' << height << std::hex;
    for (int i = 0; i < 8; i++) out << ' ' << int(indices[i]);
    for (int i = 0; i < 3; i++) out << ' ' << colors[i];
    delete[] colors;
    delete[] indices;
    return out.str();
}

TEST(Bitmap, ReadsRowsBottomUpAndThePaletteAsRgba) {
    EXPECT_EQ(loadBitmap([](BitmapFile&, std::string&) {}), "4x2 1 0 0 1 0 1 1 0 444444 ff1e140a ffffffff");
}

TEST(TokenReader, RefusesFilesThatAreNotRegular) {
    ScratchDir dir;
    std::string fifo = dir.path() + "/fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    std::string marked = dir.write("marked.txt", std::string("\xEF\xBB\xBF") + "1 2");
    const std::pair<std::string, const char*> refused[] = {{fifo, "is a FIFO, not a regular file"},
                                                           {"/dev/zero", "is a device, not a regular file"},
                                                           {dir.path(), "cannot be read (Is a directory)"},
                                                           {dir.path() + "/none", "cannot open (No such file"},
                                                           {marked, "byte-order mark"}};
    for (const auto& [path, reason] : refused) {
        TokenStream in;
        CaptureStderr();
        EXPECT_FALSE(openTokens(&in, path.c_str()));
        EXPECT_NE(GetCapturedStderr().find(reason), std::string::npos) << path;
    }
}

TEST(Bitmap, RejectsWhatTheGameCannotUse) {
    // clang-format off
    const std::pair<std::function<void(BitmapFile&, std::string&)>, const char*> broken[] = {
        {[](BitmapFile& f, std::string&) { f.bitsPerPixel = 264; }, "has 264 bits per pixel, pictures must have 8\n"},
        {[](BitmapFile& f, std::string&) { f.bitsPerPixel = 4; }, "has 4 bits per pixel, pictures must have 8\n"},
        {[](BitmapFile& f, std::string&) { f.compression = -1; }, "is compressed (method -1), pictures must be uncompressed\n"},
        {[](BitmapFile& f, std::string&) { f.compression = 1; }, "is compressed (method 1), pictures must be uncompressed\n"},
        {[](BitmapFile& f, std::string&) { f.width = 6; }, "width 6 is not a positive multiple of 4\n"},
        {[](BitmapFile& f, std::string&) { f.width = 0; }, "width 0 is not a positive multiple of 4\n"},
        {[](BitmapFile& f, std::string&) { f.width = -4; }, "width -4 is not a positive multiple of 4\n"},
        {[](BitmapFile& f, std::string&) { f.width = 12, f.storedPixels.resize(24); }, "is 12 x 2, a texture's sides must be powers of two\n"},
        {[](BitmapFile& f, std::string&) { f.height = 3, f.storedPixels.resize(12); }, "is 4 x 3, a texture's sides must be powers of two\n"},
        {[](BitmapFile& f, std::string&) { f.height = -2; }, "4x2 0 1 1 0 1 0 0 1 444444 ff1e140a ffffffff"},
        {[](BitmapFile& f, std::string&) { f.infoHeaderSize = 108; }, "4x2 1 0 0 1 0 1 1 0 444444 ff1e140a ffffffff"},
        {[](BitmapFile& f, std::string&) { f.infoHeaderSize = 124, f.gapBeforePixels = 4; }, "4x2 1 0 0 1 0 1 1 0 444444 ff1e140a ffffffff"},
        {[](BitmapFile& f, std::string&) { f.palette = {{255, 0, 254}, {254, 0, 255}, {255, 1, 255}}, f.palette.resize(256); }, "4x2 1 0 0 1 0 1 1 0 fffe00ff ffff00fe ffff01ff"},
        {[](BitmapFile& f, std::string&) { f.infoHeaderSize = 56; }, "has an info header of 56 bytes, pictures must have one of 40, 108 or 124\n"},
        {[](BitmapFile& f, std::string&) { f.height = 0; }, "height 0 leaves no rows\n"},
        {[](BitmapFile& f, std::string&) { f.height = INT32_MIN; }, "height -2147483648 leaves no rows\n"},
        {[](BitmapFile& f, std::string&) { f.signature = "XM"; }, "is not a bitmap: it does not start with \"BM\"\n"},
        {[](BitmapFile& f, std::string&) { f.signature = "BA"; }, "is not a bitmap: it does not start with \"BM\"\n"},
        {[](BitmapFile& f, std::string&) { f.colorCount = 0; }, "palette of 256 colours runs into the pixels at offset 62\n"},
        {[](BitmapFile& f, std::string&) { f.colorCount = 257; }, "colour count 257 is outside 1..256\n"},
        {[](BitmapFile& f, std::string&) { f.colorCount = -2; }, "colour count -2 is outside 1..256\n"},
        {[](BitmapFile& f, std::string&) { f.width = f.height = 4100; }, "is 4100 x 4100, more than 16777216 pixels\n"},
        {[](BitmapFile& f, std::string&) { f.width = f.height = 4096; }, "is truncated: 70 bytes, its header needs 16777278\n"},
        {[](BitmapFile& f, std::string&) { f.width = 65536, f.height = 65537; }, "is 65536 x 65537, more than 16777216 pixels\n"},
        {[](BitmapFile& f, std::string&) { f.height = 3; }, "is truncated: 70 bytes, its header needs 74\n"},
        {[](BitmapFile& f, std::string& b) { b = bitmapBytes(f).substr(0, 40); }, "is too short for a bitmap header (40 bytes)\n"},
    };
    // clang-format on
    for (const auto& [change, message] : broken) EXPECT_EQ(loadBitmap(change), message);
}

TEST(RoomTemplates, SortStablyByMaskAndReadSpawns) {
    std::vector<std::string> templates = templatesOfEveryMask();
    templates.insert(templates.begin(), templateText(3, "1 5 6 1 17", tileCodes(9)));
    templates.insert(templates.begin(), templateText(3, "0", tileCodes(8)));
    ScratchDir dir;
    std::string path = dir.write("map.txt", mapText(templates));
    RoomTemplate* read = nullptr;
    int32_t first[MaskCount], counts[MaskCount];
    ASSERT_EQ(loadRoomTemplates(path.c_str(), &read, first, counts), 18);
    EXPECT_EQ(first[3] * 100 + counts[3] * 10 + first[4], 3 * 100 + 3 * 10 + 6);
    EXPECT_EQ(read[3].tiles[0][0] * 10 + read[4].tiles[0][0], 89);
    const SpawnPoint& spawn = read[4].spawns[0];
    EXPECT_EQ(std::to_string(spawn.x) + " " + std::to_string(spawn.y) + " " + std::to_string(spawn.facingLeft) +
                  std::to_string(spawn.armed) + " " + std::to_string(spawn.enemyType),
              "5 6 11 17");
    freeRoomTemplates(read, 18);
}

TEST(TextReaders, RefuseBadFilesNamingThePlace) {
    std::vector<std::string> noMask15 = templatesOfEveryMask();
    noMask15.pop_back();
    // clang-format off
    const std::tuple<bool, std::string, const char*> cases[] = {  // animation file, text, message
        {false, mapText(noMask15), "no template has door mask 15"},
        {false, mapText({templateText(2, "0", tileCodes(128))}), "template 0, row 0, column 0: tile code 128 is outside 0..127"},
        {false, mapText({templateText(2, "0", tileCodes(-1))}), "template 0, row 0, column 0: tile code -1 is outside 0..127"},
        {false, mapText({templateText(16, "0", tileCodes(127))}), "template 0: door mask 16 is outside 0..15"},
        {false, mapText({templateText(-1)}), "template 0: door mask -1 is outside 0..15"},
        {false, mapText({templateText(1, "51")}), "template 0: spawn count 51 is outside 0..50"},
        {false, mapText({templateText(1, "50")}), "template 0, spawn 0: file ends early"},
        {false, mapText({templateText(1, "-1")}), "template 0: spawn count -1 is outside 0..50"},
        {false, mapText({templateText(1, "1 640 0 0 0")}), "template 0, spawn 0: spawn x 640 is outside 0..639"},
        {false, mapText({templateText(1, "1 -1 0 0 0")}), "template 0, spawn 0: spawn x -1 is outside 0..639"},
        {false, mapText({templateText(1, "1 0 640 0 0")}), "template 0, spawn 0: spawn y 640 is outside 0..639"},
        {false, mapText({templateText(1, "1 0 -1 0 0")}), "template 0, spawn 0: spawn y -1 is outside 0..639"},
        {false, mapText({templateText(1, "1 0 0 0 18")}), "template 0, spawn 0: enemy type 18 is outside 0..17"},
        {false, mapText({templateText(1, "1 639 639 0 -1")}), "template 0, spawn 0: enemy type -1 is outside 0..17"},
        {false, "0\n", "template count 0 is outside 1..10000"},
        {false, "10001\n", "template count 10001 is outside 1..10000"},
        {true, "0 poses", "key pose count 0 is outside 1..10000"},
        {true, "10001 poses", "key pose count 10001 is outside 1..10000"},
        {true, "1 poses " + keyPoseText(0) + "66 animations", "animation count 66 is outside 67..10000"},
        {true, "1 poses " + keyPoseText(0) + "10001 animations", "animation count 10001 is outside 67..10000"},
        {true, animationFileText(1, {"walk 1 2 3 4 0 0"}), "animation 0: step count 0 is outside 1..10000"},
        {true, animationFileText(1, {"walk 1 2 3 4 10001"}), "animation 0: step count 10001 is outside 1..10000"},
        {true, animationFileText(3, {"walk 1 2 3 4 1 3 1 0"}), "animation 0: key pose index 3 is outside 0..2"},
        {true, animationFileText(3, {"walk 1 2 3 4 1 -1 1 0"}), "animation 0: key pose index -1 is outside 0..2"},
        {true, animationFileText(3, {"walk 1 2 3 4 1 0 0 0"}), "animation 0: step length 0 is outside 1..100000"},
        {true, animationFileText(1, {"a 1 2 3 4 1 0 99934 0", "b 1 2 3 4 1 0 2 0"}), "animation 66: the animations hold more than 100000 frames"},  // 65 has the 100,000th
    };
    // clang-format on
    for (const auto& [animations, text, message] : cases) {
        ScratchDir dir;
        std::string path = dir.write("f.txt", text);
        RoomTemplate* read = nullptr;
        Animation* table = nullptr;
        int32_t first[MaskCount], counts[MaskCount];
        CaptureStderr();
        EXPECT_TRUE(animations ? !loadAnimations(path.c_str(), &table, nullptr)
                               : loadRoomTemplates(path.c_str(), &read, first, counts) == -1);
        EXPECT_EQ(GetCapturedStderr(), path + ": " + message + "\n");
    }
}

TEST(Animations, StepsExpandIntoFramesBetweenKeyPoses) {
    ScratchDir dir;
    std::string path = dir.write("a.txt", animationFileText(3, {"walk 1 2 3 4 2 1 4 2 2 1"}));
    Animation* table = nullptr;
    int32_t count = 0;
    ASSERT_TRUE(loadAnimations(path.c_str(), &table, &count));
    EXPECT_EQ(count, AnimationCount);
    const Animation& walk = table[0];
    ASSERT_EQ(walk.frameCount, 6);
    std::ostringstream out;
    for (int f = 0; f < 6; f++) out << walk.frames[f].joints[1].x << ',' << walk.frames[f].joints[1].y << ' ';
    out << walk.frames[1].joints[0].angle << ' ' << walk.frames[1].joints[15].x;
    EXPECT_EQ(out.str(), "11,12 13.5,14.5 16,17 18.5,19.5 21,22 16,17 3.125 27.5");
    freeAnimations(table, count);
}

TEST(ContentList, LoadsEachPictureInItsPlaceAndRefusesWhatItCannotUse) {
    ScratchDir dir;
    writeDataFolder(dir);
    WorkingDirectory inside(dir.path());
    ContentPictures pictures{};
    ASSERT_TRUE(loadContentList("data/contents.txt", &pictures));
    // Pixel 600 of the first row is even in a 640-wide picture, odd in the second row of a 512-wide one.
    EXPECT_EQ(pictures.backgrounds[0].indices[600] * 10 + pictures.tileAtlases[0].indices[600], 1);
    freeContentPictures(&pictures);
    for (auto [set, w, h] : {std::tuple{"wide", 256, 512}, {"narrow", 256, 256}, {"square", 512, 512}}) {
        dir.write(std::string("data/") + set + "/background.bmp", plainBitmap(640, 640));
        dir.write(std::string("data/") + set + "/tiles.bmp", plainBitmap(w, h));
    }
    using namespace std::string_literals;
    const std::string stay = "; a name must stay in data/\n";
    const std::pair<std::string, std::string> refused[] = {
        {"1 hero 1 wide 1 fireball", "data/wide/tiles.bmp: is 256 x 512, a tile atlas must be 512 x 256\n"},
        {"1 hero 1 narrow 1 fireball", "data/narrow/tiles.bmp: is 256 x 256, a tile atlas must be 512 x 256\n"},
        {"1 hero 1 square 1 fireball", "data/square/tiles.bmp: is 512 x 512, a tile atlas must be 512 x 256\n"},
        {"1 hero\0teal 1 cave 1 fireball"s, "data/contents.txt: skin 0: name \"hero\" holds a NUL byte" + stay},
        {"1 hero 1 cave/. 1 fireball", "data/contents.txt: scenery set 0: name \"cave/.\" holds a \"/\"" + stay},
        {"1 hero 1 cave 2 fireball .x", "data/contents.txt: projectile image 1: name \".x\" starts with \".\"" + stay},
        {"1 ../../x 1 cave 1 fireball", "data/contents.txt: skin 0: name \"../../x\" holds a \"/\"" + stay},
    };
    for (const auto& [text, message] : refused) {
        dir.write("data/contents.txt", text);
        pictures = {};
        CaptureStderr();
        EXPECT_FALSE(loadContentList("data/contents.txt", &pictures));
        EXPECT_EQ(GetCapturedStderr(), message);
        EXPECT_EQ(pictures.skins, nullptr);
    }
}

TEST(Content, TheKeyLegendIsLoadedWhenThereAndMissedSilently) {
    ScratchDir dir;
    writeDataFolder(dir);
    WorkingDirectory inside(dir.path());
    OffscreenGl gl;
    for (bool there : {false, true}) {
        if (there) dir.write("data/keys.bmp", plainBitmap(128, 64));
        TestWorld w;
        CaptureStderr();
        EXPECT_TRUE(loadContent(nullptr));
        EXPECT_EQ(GetCapturedStderr(), "");
        EXPECT_EQ(w->keyLegendTexture != 0, there);
    }
}

}  // namespace
