// Icons written as PNG files read back the same, and a failed write says where.
#include <gtest/gtest.h>
#include <png.h>

#include "tests/support/offscreen_gl.h"
#include "tests/support/scratch.h"
#include "tools/picture/rgba_picture.h"

namespace {

TEST(PngFile, APictureReadsBackWithEveryPixelAndAlpha) {
    ScratchDir scratch;
    RgbaPicture picture(5, 3);
    for (int y = 0; y < 3; y++)
        for (int x = 0; x < 5; x++) picture.at(x, y) = rgba(x * 50, y * 100, 7, x * 60);
    std::string path = scratch.path() + "/icon.png";
    ASSERT_TRUE(writePng(path.c_str(), picture));

    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&image, path.c_str())) << image.message;
    EXPECT_EQ(image.width, 5u);
    EXPECT_EQ(image.height, 3u);
    image.format = PNG_FORMAT_RGBA;
    std::vector<uint32_t> pixels(15);
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) << image.message;
    EXPECT_EQ(pixels, picture.pixels);
}

TEST(PngFile, AFileThatCannotBeMadeIsNamedAndFails) {
    ScratchDir scratch;
    std::string path = scratch.path() + "/no such folder/icon.png";
    testing::internal::CaptureStderr();
    EXPECT_FALSE(writePng(path.c_str(), RgbaPicture(2, 2)));
    std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(errors.rfind(path + ": ", 0), 0u) << errors;
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
}

}  // namespace
