// A picture of colour words (bytes R, G, B, A in memory), top row first.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

struct RgbaPicture {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels;  // width * height, all transparent black when made

    RgbaPicture(int32_t width, int32_t height) : width(width), height(height), pixels(size_t(width) * height, 0) {}
    uint32_t& at(int32_t x, int32_t y) { return pixels[size_t(y) * width + x]; }
    uint32_t at(int32_t x, int32_t y) const { return pixels[size_t(y) * width + x]; }
};

inline uint32_t alphaOf(uint32_t color) { return color >> 24; }

// Writes width x height colour words, top row first, as an 8-bit RGBA PNG.
// False after one line on standard error.
bool writePng(const char* path, int32_t width, int32_t height, const uint32_t* pixels);

inline bool writePng(const char* path, const RgbaPicture& picture) {
    return writePng(path, picture.width, picture.height, picture.pixels.data());
}
