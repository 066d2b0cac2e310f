#include "content/content.h"

#include "content/animation.h"
#include "content/content_list.h"
#include "content/room_template.h"
#include "content/texture.h"
#include "shell/world.h"

namespace {

constexpr const char* ContentListPath = "data/contents.txt";
constexpr const char* AnimationPath = "data/AnimationData.txt";
constexpr const char* RoomTemplatePath = "data/map.txt";

void keepPictures(const ContentPictures& pictures) {
    world->skinCount = pictures.skinCount;
    world->sceneryCount = pictures.sceneryCount;
    world->projectileImageCount = pictures.projectileImageCount;
    world->skins = pictures.skins;
    world->backgrounds = pictures.backgrounds;
    world->tileAtlases = pictures.tileAtlases;
    world->projectileImages = pictures.projectileImages;
}

// The six pictures used whole, in this order, and the key legend if there is one.
bool loadFixedTextures() {
    return loadTexture("data/healthbar.bmp", &world->healthbarTexture) &&
           loadTexture("data/itembar.bmp", &world->itembarTexture) &&
           loadTexture("data/bossbar.bmp", &world->bossbarTexture) &&
           loadTexture("data/emptybar.bmp", &world->emptybarTexture) &&
           loadTexture("data/projectiles/bullet.bmp", &world->bulletTexture) &&
           loadTexture("data/paused.bmp", &world->pauseSignTexture) &&
           loadTextureIfPresent("data/keys.bmp", &world->keyLegendTexture);
}

}  // namespace

bool loadContent(SceneryHook sceneryLoaded) {
    ContentPictures pictures;
    if (!loadContentList(ContentListPath, &pictures, sceneryLoaded)) return false;
    keepPictures(pictures);
    if (!loadFixedTextures() || !loadAnimations(AnimationPath, &world->animations, &world->animationCount)) {
        return false;
    }
    int32_t templateCount = loadRoomTemplates(RoomTemplatePath, &world->roomTemplates, world->firstTemplateByMask,
                                              world->templateCountByMask);
    if (templateCount < 0) return false;
    world->templateCount = templateCount;
    return true;
}
