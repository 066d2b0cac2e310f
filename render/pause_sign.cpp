#include "render/pause_sign.h"

#include <GL/gl.h>

#include "render/key_legend.h"
#include "render/textured_quad.h"
#include "shell/world.h"

namespace {

// The sign's size, drawn one texel a pixel, and the key legend's height and place under it.
constexpr float SignWidth = 128.0f;
constexpr float SignHeight = 32.0f;
constexpr float LegendHeight = 64.0f;
constexpr float LegendGap = 4.0f;

}  // namespace

void drawPauseSign() {
    float left = (ScreenWidth - SignWidth) / 2;
    float top = (ScreenHeight - SignHeight - LegendGap - LegendHeight) / 2;
    glLoadIdentity();
    glBindTexture(GL_TEXTURE_2D, world->pauseSignTexture);
    drawTexturedQuad(left, top, left + SignWidth, top + SignHeight, 0.0f, 0.0f, 1.0f, 1.0f);
    drawKeyLegendAt(left, top + SignHeight + LegendGap);
}
