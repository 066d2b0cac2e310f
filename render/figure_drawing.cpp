#include "render/figure_drawing.h"

#include <GL/gl.h>

#include "render/textured_quad.h"
#include "shell/world.h"

namespace {

constexpr double DegreesPerAngleUnit = 60.0;
constexpr float PartHalfSize = 32.0f;  // a part is 64 x 64 figure units about its centre

// The pose to show: an update that switches animation keeps the old frame
// for one pass, so a frame past the end shows the first one. Null when the
// animation has no frames at all.
const Pose* poseToDraw(const Actor& actor) {
    const Animation& animation = world->animations[actor.anim];
    if (animation.frameCount <= 0) return nullptr;
    bool inRange = actor.frame >= 0 && actor.frame < animation.frameCount;
    return &animation.frames[inRange ? actor.frame : 0];
}

// Anchor on the screen, size, then mirroring about the anchor's vertical line.
void placeAnchor(float screenX, float screenY, float scale, uint8_t facingLeft) {
    glLoadIdentity();
    glTranslatef(screenX, screenY, 0.0f);
    glScalef(scale, scale, 1.0f);
    if (facingLeft) glScalef(-1.0f, 1.0f, 1.0f);
}

void turnBy(double angleUnits) { glRotatef(float(angleUnits * DegreesPerAngleUnit), 0.0f, 0.0f, 1.0f); }

void drawPartSquare(uint32_t texture) {
    glBindTexture(GL_TEXTURE_2D, texture);
    drawTexturedQuad(-PartHalfSize, -PartHalfSize, PartHalfSize, PartHalfSize, 0.0f, 0.0f, 1.0f, 1.0f);
}

}  // namespace

void drawFigure(const Actor& actor, const uint32_t* partTextures, float screenX, float screenY, float scale) {
    const Pose* pose = poseToDraw(actor);
    if (!pose) return;
    for (int part = 0; part < PartCount; part++) {
        const Joint& joint = pose->joints[part];
        placeAnchor(screenX, screenY, scale, actor.body.facingLeft);
        glTranslatef(float(joint.x), float(joint.y), 0.0f);
        turnBy(joint.angle);
        drawPartSquare(partTextures[part]);
    }
}

void drawSprite(const Projectile& projectile, uint32_t texture, float screenX, float screenY, float scale) {
    placeAnchor(screenX, screenY, scale, projectile.body.facingLeft);
    turnBy(projectile.body.rotation);
    drawPartSquare(texture);
}
