#include "bench/gl_stream.h"

#include <GL/gl.h>

#include "tools/offscreen/offscreen_gl.h"

// The recording build of the renderer, under the names recording_gl.h gives it.
void recordingRenderFrame();

namespace {

GlStream* recording = nullptr;

void append(GlOp op, uint32_t word = 0, float a = 0, float b = 0, float c = 0, float d = 0) {
    recording->push_back(GlCall{op, word, {a, b, c, d}});
}

}  // namespace

void recordClear(GLbitfield mask) { append(GlOp::Clear, mask); }
void recordLoadIdentity() { append(GlOp::LoadIdentity); }
// The renderer binds 2-D textures only.
void recordBindTexture(GLenum, GLuint texture) { append(GlOp::BindTexture, texture); }
void recordBegin(GLenum mode) { append(GlOp::Begin, mode); }
void recordEnd() { append(GlOp::End); }
void recordTexCoord2f(GLfloat s, GLfloat t) { append(GlOp::TexCoord, 0, s, t); }
void recordVertex3f(GLfloat x, GLfloat y, GLfloat z) { append(GlOp::Vertex, 0, x, y, z); }
void recordTranslatef(GLfloat x, GLfloat y, GLfloat z) { append(GlOp::Translate, 0, x, y, z); }
void recordScalef(GLfloat x, GLfloat y, GLfloat z) { append(GlOp::Scale, 0, x, y, z); }
void recordRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z) { append(GlOp::Rotate, 0, angle, x, y, z); }
void recordSwap() {}  // off screen there is nothing to show

GlStream recordFrame() {
    GlStream stream;
    recording = &stream;
    recordingRenderFrame();
    recording = nullptr;
    return stream;
}

void replay(const GlStream& stream) {
    for (const GlCall& call : stream) {
        const float* v = call.v;
        switch (call.op) {
        case GlOp::Clear: glClear(call.word); break;
        case GlOp::LoadIdentity: glLoadIdentity(); break;
        case GlOp::BindTexture: glBindTexture(GL_TEXTURE_2D, call.word); break;
        case GlOp::Begin: glBegin(call.word); break;
        case GlOp::End: glEnd(); break;
        case GlOp::TexCoord: glTexCoord2f(v[0], v[1]); break;
        case GlOp::Vertex: glVertex3f(v[0], v[1], v[2]); break;
        case GlOp::Translate: glTranslatef(v[0], v[1], v[2]); break;
        case GlOp::Scale: glScalef(v[0], v[1], v[2]); break;
        case GlOp::Rotate: glRotatef(v[0], v[1], v[2], v[3]); break;
        }
    }
}

std::vector<uint8_t> readScreen() {
    glFinish();
    std::vector<uint8_t> pixels(OffscreenGl::Width * OffscreenGl::Height * 4);
    glReadPixels(0, 0, OffscreenGl::Width, OffscreenGl::Height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}
