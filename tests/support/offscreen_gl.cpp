#include "tests/support/offscreen_gl.h"

#include <GL/gl.h>
#include <png.h>

#include <cstdio>
#include <cstring>

#include "render/drawing_state.h"

OffscreenGl::OffscreenGl() : buffer(Width * Height * 4) {
    context = OSMesaCreateContextExt(OSMESA_RGBA, 16, 0, 0, nullptr);
    if (!context) return;
    if (!OSMesaMakeCurrent(context, buffer.data(), GL_UNSIGNED_BYTE, Width, Height) ||
        !glGetString(GL_RENDERER)) {
        OSMesaDestroyContext(context);
        context = nullptr;
        return;
    }
    setDrawingState();
}

OffscreenGl::~OffscreenGl() {
    if (!context) return;
    glFinish();  // llvmpipe crashes when a context is destroyed with drawing still queued
    OSMesaDestroyContext(context);
}

uint32_t OffscreenGl::pixel(int x, int y) const {
    glFinish();
    uint32_t value;
    memcpy(&value, &buffer[((Height - 1 - y) * Width + x) * 4], 4);
    return value;
}

bool OffscreenGl::savePng(const std::string& path) const {
    glFinish();
    FILE* file = fopen(path.c_str(), "wb");
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    bool written = false;
    if (info && !setjmp(png_jmpbuf(png))) {
        png_init_io(png, file);
        png_set_IHDR(png, info, Width, Height, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        for (int y = 0; y < Height; y++) {
            std::vector<uint8_t> row(&buffer[(Height - 1 - y) * Width * 4], &buffer[(Height - y) * Width * 4]);
            for (int x = 0; x < Width; x++) row[x * 4 + 3] = 255;
            png_write_row(png, row.data());
        }
        png_write_end(png, nullptr);
        written = true;
    }
    png_destroy_write_struct(&png, &info);
    fclose(file);
    return written;
}
