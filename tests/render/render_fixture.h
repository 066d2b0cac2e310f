// Textures, colours and probes shared by the renderer's pixel tests.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/offscreen_gl.h"
#include "tests/support/test_world.h"

const uint32_t Red = rgba(255, 0, 0);
const uint32_t Green = rgba(0, 255, 0);
const uint32_t Blue = rgba(0, 0, 255);
const uint32_t Yellow = rgba(255, 255, 0);
const uint32_t Black = rgba(0, 0, 0);
const uint32_t Clear = rgba(0, 0, 0, 0);

// "#rrggbb": pixels are compared without alpha, which follows the texel drawn.
std::string rgbText(uint32_t color);
std::string colorAt(const OffscreenGl& gl, int x, int y);

// A texture with nearest filtering from texels in rows, top row first.
uint32_t makeTexture(int width, int height, const std::vector<uint32_t>& texels);
uint32_t solidTexture(uint32_t color);

// Four colours in the four quarters, so turns and mirrors show.
struct Quadrants {
    uint32_t topLeft, topRight, bottomLeft, bottomRight;
};
const Quadrants Upright = {Red, Green, Blue, Yellow};
uint32_t quadrantTexture(const Quadrants& quadrants);

// Every texel of these two differs from its neighbours and from the other texture.
uint32_t backgroundTexel(int x, int y);
uint32_t atlasTexel(int x, int y);
uint32_t makeBackgroundTexture();  // 1024 x 1024
// 512 x 256. Cell 2 of the top row has alpha 0, cell 3 alpha 26, cell 4 alpha 27,
// cell 5 alpha 0 in its left half only; all else is opaque.
uint32_t makeAtlasTexture();
constexpr int32_t CodeTransparent = 2;
constexpr int32_t CodeAlpha26 = 3;
constexpr int32_t CodeAlpha27 = 4;
constexpr int32_t CodeHalfTransparent = 5;

// Gives every part of the player and of every enemy type one texture.
void dressAllFigures(uint32_t texture);

// Expects the square of half side `half` centred on pixel corner (cx, cy) to show
// the four quarters, and black just outside each side.
void expectSquare(const OffscreenGl& gl, int cx, int cy, int half, const Quadrants& quadrants);

// A real off-screen context with the game's drawing state, cleared, and a real World.
class RenderTest : public ::testing::Test {
protected:
    void SetUp() override;
    // The pattern textures above as the World's background and tile atlas.
    void useRoomTextures() const;

    OffscreenGl gl;
    TestWorld tw;
};
