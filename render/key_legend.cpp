#include "render/key_legend.h"

#include <GL/gl.h>

#include "actors/player_tuning.h"
#include "render/textured_quad.h"
#include "shell/world.h"

namespace {

constexpr int32_t LegendPasses = 600;  // 30 seconds at 50 ms a pass
constexpr int32_t LegendGone = -1;
// The picture's size, drawn one texel a pixel, and its place clear of the health bar.
constexpr float LegendWidth = 128.0f;
constexpr float LegendHeight = 64.0f;
constexpr float LegendMargin = 8.0f;

bool inStartRoom(const Body& body) {
    return roomOf(body.x) == roomOf(PlayerStartX) && roomOf(body.y) == roomOf(PlayerStartY);
}

}  // namespace

void showKeyLegend() { world->keyLegendPassesLeft = LegendPasses; }

void stepKeyLegend() {
    // Once gone, it stays gone, even back in the start room.
    int32_t& left = world->keyLegendPassesLeft;
    left = inStartRoom(world->player.body) && left > 0 ? left - 1 : LegendGone;
}

void drawKeyLegend() {
    if (world->keyLegendPassesLeft != LegendGone)
        drawKeyLegendAt(ScreenWidth - LegendMargin - LegendWidth, LegendMargin);
}

void drawKeyLegendAt(float left, float top) {
    if (world->keyLegendTexture == 0) return;
    glLoadIdentity();
    glBindTexture(GL_TEXTURE_2D, world->keyLegendTexture);
    drawTexturedQuad(left, top, left + LegendWidth, top + LegendHeight, 0.0f, 0.0f, 1.0f, 1.0f);
}
