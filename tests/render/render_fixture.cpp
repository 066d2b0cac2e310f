#include "tests/render/render_fixture.h"

#include <GL/gl.h>

#include <cstdio>

std::string rgbText(uint32_t color) {
    char text[8];
    snprintf(text, sizeof text, "#%02x%02x%02x", redOf(color), greenOf(color), blueOf(color));
    return text;
}

std::string colorAt(const OffscreenGl& gl, int x, int y) { return rgbText(gl.pixel(x, y)); }

uint32_t makeTexture(int width, int height, const std::vector<uint32_t>& texels) {
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    return texture;
}

uint32_t solidTexture(uint32_t color) { return makeTexture(1, 1, {color}); }

uint32_t quadrantTexture(const Quadrants& q) {
    return makeTexture(2, 2, {q.topLeft, q.topRight, q.bottomLeft, q.bottomRight});
}

uint32_t backgroundTexel(int x, int y) { return rgba(x & 255, y & 255, 0x80 | (x >> 8) << 2 | (y >> 8)); }

uint32_t atlasTexel(int x, int y) {
    uint8_t alpha = 255;
    if (y < 32) {
        int cell = x / 32;
        if (cell == CodeTransparent || (cell == CodeHalfTransparent && x % 32 < 16)) alpha = 0;
        if (cell == CodeAlpha26) alpha = 26;
        if (cell == CodeAlpha27) alpha = 27;
    }
    return rgba(x & 255, y & 255, 0x10 | (x >> 8), alpha);
}

namespace {

std::vector<uint32_t> texelsOf(int width, int height, uint32_t (*texel)(int, int)) {
    std::vector<uint32_t> texels(width * height);
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++) texels[y * width + x] = texel(x, y);
    return texels;
}

}  // namespace

uint32_t makeBackgroundTexture() { return makeTexture(1024, 1024, texelsOf(1024, 1024, backgroundTexel)); }

uint32_t makeAtlasTexture() { return makeTexture(512, 256, texelsOf(512, 256, atlasTexel)); }

void dressAllFigures(uint32_t texture) {
    for (uint32_t& part : world->player.partTextures) part = texture;
    for (EnemyType& type : world->enemyTypes)
        for (uint32_t& part : type.partTextures) part = texture;
}

void expectSquare(const OffscreenGl& gl, int cx, int cy, int half, const Quadrants& q) {
    int near = half / 2;
    SCOPED_TRACE("square centred on (" + std::to_string(cx) + ", " + std::to_string(cy) + ")");
    EXPECT_EQ(colorAt(gl, cx - near, cy - near), rgbText(q.topLeft));
    EXPECT_EQ(colorAt(gl, cx + near - 1, cy - near), rgbText(q.topRight));
    EXPECT_EQ(colorAt(gl, cx - near, cy + near - 1), rgbText(q.bottomLeft));
    EXPECT_EQ(colorAt(gl, cx + near - 1, cy + near - 1), rgbText(q.bottomRight));
    EXPECT_EQ(colorAt(gl, cx - half - 1, cy - near), rgbText(Black));
    EXPECT_EQ(colorAt(gl, cx + half, cy - near), rgbText(Black));
    EXPECT_EQ(colorAt(gl, cx - near, cy - half - 1), rgbText(Black));
    EXPECT_EQ(colorAt(gl, cx - near, cy + half), rgbText(Black));
    // The square reaches its full size.
    EXPECT_EQ(colorAt(gl, cx - half, cy - half), rgbText(q.topLeft));
    EXPECT_EQ(colorAt(gl, cx + half - 1, cy + half - 1), rgbText(q.bottomRight));
}

void RenderTest::SetUp() {
    ASSERT_TRUE(gl.ok());
    glClear(GL_COLOR_BUFFER_BIT);
}

void RenderTest::useRoomTextures() const {
    tw->backgroundTexture = makeBackgroundTexture();
    tw->tileAtlasTexture = makeAtlasTexture();
}
