#include <png.h>

#include <cstdio>

#include "tools/make_icons/rgba_picture.h"

bool writePng(const char* path, const RgbaPicture& picture) {
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    image.width = uint32_t(picture.width);
    image.height = uint32_t(picture.height);
    image.format = PNG_FORMAT_RGBA;  // the bytes of a colour word, in memory order
    if (png_image_write_to_file(&image, path, 0, picture.pixels.data(), 0, nullptr)) return true;
    fprintf(stderr, "%s: cannot be written (%s)\n", path, image.message);
    return false;
}
