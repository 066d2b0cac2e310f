// An off-screen 640 x 480 OpenGL context from Mesa, with the game's drawing state.
#pragma once
#include <GL/osmesa.h>

#include <cstdint>
#include <string>
#include <vector>

class OffscreenGl {
public:
    OffscreenGl();
    ~OffscreenGl();
    bool ok() const { return context != nullptr; }

    // Colour at screen pixel (x, y), y down, as bytes R, G, B, A.
    uint32_t pixel(int x, int y) const;
    // Writes the current picture as an RGB PNG; false when it cannot.
    bool savePng(const std::string& path) const;

    static constexpr int Width = 640;
    static constexpr int Height = 480;

private:
    OSMesaContext context = nullptr;
    std::vector<uint8_t> buffer;  // RGBA, rows bottom-up as GL reads them
};

// Bytes of a colour word.
inline uint8_t redOf(uint32_t c) { return c & 0xff; }
inline uint8_t greenOf(uint32_t c) { return (c >> 8) & 0xff; }
inline uint8_t blueOf(uint32_t c) { return (c >> 16) & 0xff; }
inline uint32_t rgba(uint8_t r, uint8_t g, uint8_t b, uint8_t a = 255) {
    return r | (g << 8) | (b << 16) | (uint32_t(a) << 24);
}
