#include "render/frame.h"

#include <GL/gl.h>

#include "render/figure_drawing.h"
#include "render/key_legend.h"
#include "render/pause_sign.h"
#include "render/room_drawing.h"
#include "render/textured_quad.h"
#include "shell/platform.h"
#include "shell/world.h"

namespace {

constexpr float FigureScale = 0.5f;
constexpr float SpriteScale = 1.0f;

// The health bar: ten segments from the left, each standing for 10 health.
constexpr int32_t HealthSegments = 10;
constexpr int32_t HealthPerSegment = 10;
constexpr float SegmentWidth = 8.0f;
constexpr float BarTop = 16.0f;
constexpr float BarBottom = 32.0f;

// A room outside the grid (past either edge) is never read; the camera keeps
// such a room off the screen anyway.
void drawRoomSeenFrom(int32_t roomX, int32_t roomY, int32_t cameraX, int32_t cameraY) {
    if (roomX < 0 || roomX >= WorldRooms || roomY < 0 || roomY >= WorldRooms) return;
    drawRoom(roomX, roomY, float(RoomPixels * roomX - cameraX), float(RoomPixels * roomY - cameraY));
}

void drawActor(const Actor& actor, const uint32_t* partTextures, int32_t cameraX, int32_t cameraY) {
    const Body& body = actor.body;
    drawFigure(actor, partTextures, float(body.x - cameraX + body.width / 2), float(body.y - cameraY + body.height),
               FigureScale);
}

void drawHealthBar(int32_t health) {
    glLoadIdentity();
    for (int32_t segment = 0; segment < HealthSegments; segment++) {
        bool full = health > HealthPerSegment * segment;
        glBindTexture(GL_TEXTURE_2D, full ? world->healthbarTexture : world->emptybarTexture);
        float left = SegmentWidth * segment;
        drawTexturedQuad(left, BarTop, left + SegmentWidth, BarBottom, 0.0f, 0.0f, 1.0f, 1.0f);
    }
}

void drawFrame() {
    const int32_t cameraX = world->cameraX;
    const int32_t cameraY = world->cameraY;
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();

    int32_t roomX = roomOf(cameraX);
    int32_t roomY = roomOf(cameraY);
    drawRoomSeenFrom(roomX, roomY, cameraX, cameraY);
    if (world->scrollVertical) {
        drawRoomSeenFrom(roomX, roomY + 1, cameraX, cameraY);
    } else {
        drawRoomSeenFrom(roomX + 1, roomY, cameraX, cameraY);
    }

    drawActor(world->player, world->player.partTextures, cameraX, cameraY);
    for (const Actor* enemy : world->actorSlots) {
        if (enemy) drawActor(*enemy, world->enemyTypes[enemy->enemyType].partTextures, cameraX, cameraY);
    }
    for (const Projectile& projectile : world->projectiles) {
        if (projectile.type == ProjectileFree) continue;
        drawSprite(projectile, world->projectileTypes[projectile.type].texture, float(projectile.body.x - cameraX),
                   float(projectile.body.y - cameraY), SpriteScale);
    }

    drawHealthBar(world->player.health);
    drawKeyLegend();
}

}  // namespace

void renderFrame() {
    drawFrame();
    platformSwapBuffers();
}

void renderPausedFrame() {
    drawFrame();
    drawPauseSign();
    platformSwapBuffers();
}

void warmDrawing() {
    drawFrame();
    glFinish();
}
