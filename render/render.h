// Drawing a frame: rooms, figures, sprites and the health bar.
#pragma once
#include <cstdint>

class Actor;
struct Projectile;

void renderFrame();
void drawRoom(int32_t roomX, int32_t roomY, float screenX, float screenY);
void drawFigure(const Actor& actor, const uint32_t* partTextures, float screenX, float screenY, float scale);
void drawSprite(const Projectile& projectile, uint32_t texture, float screenX, float screenY, float scale);
