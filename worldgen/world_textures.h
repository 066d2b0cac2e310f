// The world's textures, cut from the loaded pictures.
#pragma once

// Background and tile atlas (nearest), the player's and every enemy type's 16
// figure parts and every projectile type's picture (linear), with its damage.
void makeWorldTextures();
