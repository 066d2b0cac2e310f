// The world's textures, cut from the loaded pictures.
#pragma once
#include <cstdint>
#include "shell/numbers.h"

// Skin block (64 x 64, counted from the top) that becomes each figure part.
extern const int32_t partBlock[PartCount];

// Background and tile atlas (nearest), the player's and every enemy type's 16
// figure parts and every projectile type's picture (linear), with its damage.
void makeWorldTextures();
