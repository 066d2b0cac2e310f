#include "render/pause_sign.h"

#include <GL/gl.h>

#include "render/textured_quad.h"
#include "shell/world.h"

namespace {

// The picture's size, drawn one texel a pixel.
constexpr float SignWidth = 128.0f;
constexpr float SignHeight = 32.0f;

}  // namespace

void drawPauseSign() {
    glLoadIdentity();
    glBindTexture(GL_TEXTURE_2D, world->pauseSignTexture);
    float left = (ScreenWidth - SignWidth) / 2;
    float top = (ScreenHeight - SignHeight) / 2;
    drawTexturedQuad(left, top, left + SignWidth, top + SignHeight, 0.0f, 0.0f, 1.0f, 1.0f);
}
