#include "content/texture.h"

#include <GL/gl.h>
#include <unistd.h>

#include <cerrno>

#include "content/bitmap.h"
#include "content/content_error.h"

namespace {

constexpr GLint FourComponents = 4;

bool isPowerOfTwo(int32_t n) { return n > 0 && (n & (n - 1)) == 0; }

}  // namespace

void uploadImage(uint32_t texture, int32_t width, int32_t height, uint32_t* image, bool linear) {
    GLint filter = linear ? GL_LINEAR : GL_NEAREST;
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, FourComponents, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, image);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    delete[] image;
}

bool loadTexture(const char* path, uint32_t* texture) {
    int32_t width, height;
    uint32_t* colors;
    uint8_t* indices;
    if (!loadIndexedBitmap(path, &width, &height, &colors, &indices)) return false;
    // OpenGL 1.1 takes only power-of-two sides.
    bool usable = isPowerOfTwo(width) && isPowerOfTwo(height);
    if (usable) {
        uint32_t* image = expandIndexed(width, height, width, height, colors, indices);
        glGenTextures(1, texture);
        uploadImage(*texture, width, height, image, false);
    } else {
        reportContentError(path, "is %d x %d, a texture's sides must be powers of two", width, height);
    }
    delete[] indices;
    delete[] colors;
    return usable;
}

bool loadTextureIfPresent(const char* path, uint32_t* texture) {
    if (access(path, F_OK) != 0 && errno == ENOENT) {
        *texture = 0;
        return true;
    }
    return loadTexture(path, texture);
}
