#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "content/bitmap.h"
#include "tests/content/content_files.h"
#include "tests/support/offscreen_gl.h"

namespace {

struct Loaded {
    bool ok = false;
    int32_t width = 0;
    int32_t height = 0;
    uint32_t* colors = nullptr;
    uint8_t* indices = nullptr;
    ~Loaded() {
        delete[] colors;
        delete[] indices;
    }
};

void load(const BitmapFile& bitmap, Loaded* out) {
    ScratchDir dir;
    std::string path = dir.write("picture.bmp", bitmapBytes(bitmap));
    out->ok = loadIndexedBitmap(path.c_str(), &out->width, &out->height, &out->colors, &out->indices);
}

TEST(LoadIndexedBitmap, KeysMagentaAndFillsUnusedSlotsWithOpaqueWhite) {
    BitmapFile bitmap{4, 1, {{255, 0, 255}, {254, 0, 255}, {1, 2, 3}}, {0, 1, 2, 7}};
    Loaded loaded;
    load(bitmap, &loaded);
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.colors[0], rgba(68, 68, 68, 0));
    EXPECT_EQ(loaded.colors[0], TransparentColor);
    EXPECT_EQ(loaded.colors[1], rgba(254, 0, 255));
    EXPECT_EQ(loaded.colors[2], rgba(1, 2, 3));
    for (int i = 3; i < 256; i++) EXPECT_EQ(loaded.colors[i], 0xffffffffu) << i;
    EXPECT_EQ(loaded.indices[3], 7);
}

TEST(LoadIndexedBitmap, TurnsBottomUpRowsTopDown) {
    BitmapFile bitmap{4, 2, {{0, 0, 0}}, {1, 2, 3, 4, 5, 6, 7, 8}};
    Loaded loaded;
    load(bitmap, &loaded);
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.width, 4);
    EXPECT_EQ(loaded.height, 2);
    EXPECT_EQ(std::vector<uint8_t>(loaded.indices, loaded.indices + 8),
              (std::vector<uint8_t>{5, 6, 7, 8, 1, 2, 3, 4}));
}

TEST(LoadIndexedBitmap, ReadsIndicesWhenTheOtherOutputsAreOmitted) {
    // The palette is skipped, not read as pixels.
    BitmapFile bitmap{4, 1, {{9, 9, 9}, {8, 8, 8}, {7, 7, 7}}, {3, 1, 4, 1}};
    ScratchDir dir;
    std::string path = dir.write("picture.bmp", bitmapBytes(bitmap));
    uint8_t* indices = nullptr;
    ASSERT_TRUE(loadIndexedBitmap(path.c_str(), nullptr, nullptr, nullptr, &indices));
    EXPECT_EQ(std::vector<uint8_t>(indices, indices + 4), (std::vector<uint8_t>{3, 1, 4, 1}));
    delete[] indices;
}

// An 8 x 4 picture of 32 colours, so that editors keep 8 bits per pixel.
BitmapFile editorPicture() {
    BitmapFile bitmap{8, 4, {}, {}};
    for (int i = 0; i < 32; i++) bitmap.palette.push_back({uint8_t(8 * i), uint8_t(255 - 8 * i), uint8_t(37 * i)});
    for (int y = 3; y >= 0; y--) {
        for (int x = 0; x < 8; x++) bitmap.storedPixels.push_back(uint8_t(x + 8 * y));
    }
    return bitmap;
}

// The picture as ImageMagick writes it from a classic file, with options such as "BMP3:".
std::string imageMagickCopy(const std::string& format) {
    ScratchDir dir;
    std::string in = dir.write("in.bmp", bitmapBytes(editorPicture()));
    std::string out = dir.path() + "/out.bmp";
    std::string command = "convert " + in + " -type Palette -compress None " + format + out;
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    std::ifstream file(out, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// The headers, palettes and row orders that GIMP and ImageMagick write for an uncompressed
// 8-bit picture all give the same picture.
TEST(LoadIndexedBitmap, ReadsWhatEditorsWrite) {
    BitmapFile v4 = editorPicture(), v5 = editorPicture(), fullPalette = editorPicture(), topDown = editorPicture();
    v4.infoHeaderSize = 108;
    v5.infoHeaderSize = 124;
    v5.gapBeforePixels = 6;
    fullPalette.colorCount = 0;
    fullPalette.palette.resize(256, {255, 255, 255});
    topDown.height = -4;
    for (int y = 0; y < 4; y++) {
        for (int x = 0; x < 8; x++) topDown.storedPixels[y * 8 + x] = uint8_t(x + 8 * y);
    }
    const std::pair<const char*, std::string> files[] = {
        {"ImageMagick BMP3", imageMagickCopy("BMP3:")}, {"ImageMagick default", imageMagickCopy("BMP:")},
        {"108-byte header", bitmapBytes(v4)},           {"124-byte header, gap before the pixels", bitmapBytes(v5)},
        {"colour count 0", bitmapBytes(fullPalette)},   {"top-down rows", bitmapBytes(topDown)},
    };
    BitmapFile source = editorPicture();
    for (const auto& [name, bytes] : files) {
        ScratchDir dir;
        std::string path = dir.write("picture.bmp", bytes);
        Loaded loaded;
        loaded.ok = loadIndexedBitmap(path.c_str(), &loaded.width, &loaded.height, &loaded.colors, &loaded.indices);
        ASSERT_TRUE(loaded.ok) << name;
        ASSERT_EQ(loaded.width * 100 + loaded.height, 804) << name;
        std::vector<uint32_t> seen, expected;
        for (int i = 0; i < 32; i++) {  // pixel (x, y) is colour x + 8 * y
            seen.push_back(loaded.colors[loaded.indices[i]]);
            expected.push_back(rgba(source.palette[i][0], source.palette[i][1], source.palette[i][2]));
        }
        EXPECT_EQ(seen, expected) << name;
    }
}

TEST(LoadIndexedBitmap, ReportsAFolderAsUnreadable) {
    ScratchDir dir;
    uint8_t* indices = nullptr;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(loadIndexedBitmap(dir.path().c_str(), nullptr, nullptr, nullptr, &indices));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), dir.path() + ": cannot be read (Is a directory)\n");
    EXPECT_EQ(indices, nullptr);
}

TEST(ExpandIndexed, PadsALargerDestinationWithTransparentBlack) {
    const uint32_t colors[4] = {rgba(1, 1, 1), rgba(2, 2, 2), rgba(3, 3, 3), rgba(4, 4, 4)};
    const uint8_t indices[4] = {0, 1, 2, 3};
    uint32_t* image = expandIndexed(2, 2, 4, 4, colors, indices);
    const uint32_t expected[16] = {colors[0], colors[1], 0, 0, colors[2], colors[3], 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (int i = 0; i < 16; i++) EXPECT_EQ(image[i], expected[i]) << i;
    delete[] image;

    // A smaller destination keeps the top-left part, stepping rows by the source width.
    image = expandIndexed(2, 2, 1, 2, colors, indices);
    EXPECT_EQ(image[0], colors[0]);
    EXPECT_EQ(image[1], colors[2]);
    delete[] image;
}

TEST(ExpandIndexed, CutsABlockOutOfATallerPicture) {
    // A 64 x 1024 picture, pixel (x, y) of index (x + 3 * y) % 256 and a palette of grey levels.
    BitmapFile bitmap{64, 1024, {}, {}};
    for (int i = 0; i < 256; i++) bitmap.palette.push_back({uint8_t(i), uint8_t(i), uint8_t(i)});
    for (int y = 1023; y >= 0; y--) {
        for (int x = 0; x < 64; x++) bitmap.storedPixels.push_back(uint8_t(x + 3 * y));
    }
    Loaded loaded;
    load(bitmap, &loaded);
    ASSERT_TRUE(loaded.ok);
    uint32_t* block = expandIndexed(64, 64, 64, 64, loaded.colors, loaded.indices + 5 * 4096);
    for (int y : {0, 17, 63}) {
        for (int x : {0, 40, 63}) {
            uint8_t grey = uint8_t(x + 3 * (320 + y));
            EXPECT_EQ(block[y * 64 + x], rgba(grey, grey, grey)) << x << "," << y;
        }
    }
    delete[] block;
}

}  // namespace
