#include <GL/gl.h>
#include <gtest/gtest.h>

#include "content/bitmap.h"
#include "content/texture.h"
#include "tests/content/content_files.h"
#include "tests/support/offscreen_gl.h"

namespace {

GLint textureParameter(GLenum name) {
    GLint value = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, name, &value);
    return value;
}

TEST(LoadTexture, UploadsThePictureTopRowFirstWithNearestFiltering) {
    OffscreenGl gl;
    ASSERT_TRUE(gl.ok());
    // 4 x 2: top row 0 1 2 3, bottom row 3 2 1 0; index 0 is the transparent key.
    BitmapFile bitmap{4, 2, {{255, 0, 255}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}}, {3, 2, 1, 0, 0, 1, 2, 3}};
    ScratchDir dir;
    std::string path = dir.write("bar.bmp", bitmapBytes(bitmap));
    uint32_t texture = 0;
    ASSERT_TRUE(loadTexture(path.c_str(), &texture));
    EXPECT_TRUE(glIsTexture(texture));

    glBindTexture(GL_TEXTURE_2D, texture);
    GLint width = 0, height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    EXPECT_EQ(width, 4);
    EXPECT_EQ(height, 2);
    uint32_t texels[8] = {};
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels);
    const uint32_t key = TransparentColor, red = rgba(255, 0, 0), green = rgba(0, 255, 0), blue = rgba(0, 0, 255);
    const uint32_t expected[8] = {key, red, green, blue, blue, green, red, key};
    for (int i = 0; i < 8; i++) EXPECT_EQ(texels[i], expected[i]) << i;
    EXPECT_EQ(textureParameter(GL_TEXTURE_MIN_FILTER), GL_NEAREST);
    EXPECT_EQ(textureParameter(GL_TEXTURE_MAG_FILTER), GL_NEAREST);
}

TEST(UploadImage, SetsLinearFilteringWhenAsked) {
    OffscreenGl gl;
    ASSERT_TRUE(gl.ok());
    GLuint texture;
    glGenTextures(1, &texture);
    uploadImage(texture, 2, 1, new uint32_t[2]{rgba(1, 2, 3), rgba(4, 5, 6, 7)}, true);
    uint32_t texels[2] = {};
    glBindTexture(GL_TEXTURE_2D, texture);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels);
    EXPECT_EQ(texels[1], rgba(4, 5, 6, 7));
    EXPECT_EQ(textureParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
    EXPECT_EQ(textureParameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
}

}  // namespace
