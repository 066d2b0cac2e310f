// The game's OpenGL 1.1 calls that Emscripten's GL emulation would pass to WebGL as
// they are, and WebGL refuses: the link wraps them (--wrap) in these.
#include <GL/gl.h>

extern "C" {

void __real_glTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height, GLint border,
                         GLenum format, GLenum type, const void* pixels);
void __real_glHint(GLenum target, GLenum mode);

// OpenGL 1.1 also names an internal format by its number of components; WebGL only by name.
void __wrap_glTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height, GLint border,
                         GLenum format, GLenum type, const void* pixels) {
    static const GLint byComponents[] = {0, GL_LUMINANCE, GL_LUMINANCE_ALPHA, GL_RGB, GL_RGBA};
    if (internalFormat >= 1 && internalFormat <= 4) internalFormat = byComponents[internalFormat];
    __real_glTexImage2D(target, level, internalFormat, width, height, border, format, type, pixels);
}

// WebGL always corrects for perspective and knows no such hint.
void __wrap_glHint(GLenum target, GLenum mode) {
    if (target != GL_PERSPECTIVE_CORRECTION_HINT) __real_glHint(target, mode);
}

}  // extern "C"
