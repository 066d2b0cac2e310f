// Drawing posed figures and projectile sprites about their anchors.
#pragma once
#include <cstdint>

class Actor;
struct Projectile;

void drawFigure(const Actor& actor, const uint32_t* partTextures, float screenX, float screenY, float scale);
void drawSprite(const Projectile& projectile, uint32_t texture, float screenX, float screenY, float scale);
