#include "tools/world_map/png_writer.h"

#include <png.h>

#include <cstdio>

bool writePng(const char* path, int32_t width, int32_t height, const std::vector<uint32_t>& pixels) {
    FILE* file = fopen(path, "wb");
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    bool written = false;
    std::vector<png_byte> row(width * 3);
    if (info && !setjmp(png_jmpbuf(png))) {
        png_init_io(png, file);
        png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        for (int32_t y = 0; y < height; y++) {
            for (int32_t x = 0; x < width; x++) {
                uint32_t colour = pixels[y * width + x];
                row[x * 3] = colour & 0xff;
                row[x * 3 + 1] = (colour >> 8) & 0xff;
                row[x * 3 + 2] = (colour >> 16) & 0xff;
            }
            png_write_row(png, row.data());
        }
        png_write_end(png, nullptr);
        written = true;
    }
    png_destroy_write_struct(&png, &info);
    return fclose(file) == 0 && written;
}
