// Position, motion and box shared by actors and projectiles.
#pragma once
#include <cstdint>

struct Body {
    int32_t x;           // left edge, world pixels
    int32_t y;           // top edge, world pixels, y grows downwards
    int32_t rotation;    // drawing angle in units of 60 degrees (projectiles only)
    int32_t vx;          // pixels per pass, negative = left
    int32_t vy;          // pixels per pass, negative = up
    int32_t height;      // box height; the box includes its bottom edge y + height
    int32_t width;       // box width; the box includes its right edge x + width
    uint8_t facingLeft;  // 1 = drawn mirrored
};
