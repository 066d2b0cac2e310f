#include "tools/offscreen/offscreen_gl.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstring>

#include "render/drawing_state.h"
#include "tools/picture/rgba_picture.h"

OffscreenGl::OffscreenGl() : buffer(Width * Height * 4) {
    context = OSMesaCreateContextExt(OSMESA_RGBA, 16, 0, 0, nullptr);
    if (!context) return;
    if (!OSMesaMakeCurrent(context, buffer.data(), GL_UNSIGNED_BYTE, Width, Height) || !glGetString(GL_RENDERER)) {
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
    std::vector<uint32_t> picture(Width * Height);
    for (int y = 0; y < Height; y++) {
        memcpy(&picture[y * Width], &buffer[(Height - 1 - y) * Width * 4], Width * 4);
    }
    for (uint32_t& colour : picture) colour |= 0xff000000u;  // the screen has no transparency
    return writePng(path.c_str(), Width, Height, picture.data());
}
