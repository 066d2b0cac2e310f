// The game's figures drawn in software: the same part squares, joints and
// alpha test as on screen, into a picture instead of a frame buffer.
#pragma once
#include "content/animation.h"
#include "tools/picture/rgba_picture.h"

// Sides of one part's square image, in figure units and in texels.
constexpr int PartSide = 64;

// Draws the 16 parts of pose in part order, each part image PartSide x PartSide
// colour words, with the figure's anchor at (anchorX, anchorY) and scale
// picture pixels per figure unit. Facing right; later parts cover earlier ones.
void drawPose(RgbaPicture* picture, const Pose& pose, const uint32_t* const partImages[PartCount], float anchorX,
              float anchorY, float scale);

// The figure-unit box, around the anchor, that the opaque pixels of pose cover.
struct FigureBounds {
    float left, top, right, bottom;
};
// False when no part of the pose shows a single opaque texel.
bool measurePose(const Pose& pose, const uint32_t* const partImages[PartCount], FigureBounds* bounds);
