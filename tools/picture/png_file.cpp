#include <png.h>

#include <cstdio>

#include "tools/picture/rgba_picture.h"

bool writePng(const char* path, int32_t width, int32_t height, const uint32_t* pixels) {
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    image.width = uint32_t(width);
    image.height = uint32_t(height);
    image.format = PNG_FORMAT_RGBA;  // the bytes of a colour word, in memory order
    if (png_image_write_to_file(&image, path, 0, pixels, 0, nullptr)) return true;
    fprintf(stderr, "%s: cannot be written (%s)\n", path, image.message);
    return false;
}
