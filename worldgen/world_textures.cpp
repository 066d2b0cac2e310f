#include "worldgen/world_textures.h"

#include <GL/gl.h>

#include "actors/projectile.h"
#include "content/bitmap.h"
#include "content/tile_atlas.h"
#include "content/texture.h"
#include "shell/world.h"

const int32_t partBlock[PartCount] = {5, 6, 7, 12, 13, 14, 11, 4, 0, 10, 9, 8, 3, 2, 15, 1};

namespace {

constexpr int32_t BackgroundSize = 640;
constexpr int32_t BackgroundTextureSize = 1024;  // the background sits in its top-left corner
constexpr int32_t PictureSize = 64;              // figure parts and projectiles

// Without a context nothing is generated and the name stays 0, no texture.
uint32_t newTexture() {
    uint32_t name = 0;
    glGenTextures(1, &name);
    return name;
}

// The picture whole, from its first index, into a texture of its own size or larger.
void uploadPicture(uint32_t name, const IndexedBitmap& picture, int32_t width, int32_t height, int32_t textureWidth,
                   int32_t textureHeight, bool linear) {
    uint32_t* image = expandIndexed(width, height, textureWidth, textureHeight, picture.colors, picture.indices);
    uploadImage(name, textureWidth, textureHeight, image, linear);
}

// One 64 x 64 block of a skin, the one that makes the figure part.
void uploadPart(uint32_t name, const IndexedBitmap& skin, int32_t part) {
    const uint8_t* block = skin.indices + partBlock[part] * PictureSize * PictureSize;
    uploadImage(name, PictureSize, PictureSize,
                expandIndexed(PictureSize, PictureSize, PictureSize, PictureSize, skin.colors, block), true);
}

}  // namespace

void makeWorldTextures() {
    world->backgroundTexture = newTexture();
    uploadPicture(world->backgroundTexture, world->backgrounds[0], BackgroundSize, BackgroundSize,
                  BackgroundTextureSize, BackgroundTextureSize, false);
    world->tileAtlasTexture = newTexture();
    uploadPicture(world->tileAtlasTexture, world->tileAtlases[0], AtlasWidth, AtlasHeight, AtlasWidth, AtlasHeight,
                  false);

    // The player's skin changes part by part; an enemy type wears one skin.
    uint32_t* playerParts = world->player.partTextures;
    glGenTextures(PartCount, playerParts);
    for (int32_t part = 0; part < PartCount; part++) {
        uploadPart(playerParts[part], world->skins[part % world->skinCount], part);
    }
    for (int32_t type = 0; type < EnemyTypeCount; type++) {
        uint32_t* parts = world->enemyTypes[type].partTextures;
        glGenTextures(PartCount, parts);
        for (int32_t part = 0; part < PartCount; part++) {
            uploadPart(parts[part], world->skins[type % world->skinCount], part);
        }
    }

    for (int32_t type = 0; type < ProjectileTypeCount; type++) {
        ProjectileType& projectileType = world->projectileTypes[type];
        projectileType.texture = newTexture();
        uploadPicture(projectileType.texture, world->projectileImages[type % world->projectileImageCount], PictureSize,
                      PictureSize, PictureSize, PictureSize, true);
        projectileType.damage = ProjectileDamage;
    }
}
