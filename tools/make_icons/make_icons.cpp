// Draws the game's icons from its own art: the player's figure, standing, with
// the skins and animations in data/ of the working folder.
//   make_icons SIZE FILE.png [SIZE FILE.png ...]
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "content/content_list.h"
#include "tools/make_icons/icon_picture.h"
#include "worldgen/room.h"
#include "worldgen/world_textures.h"

namespace {

constexpr const char* ContentListPath = "data/contents.txt";
constexpr const char* AnimationPath = "data/AnimationData.txt";
constexpr int IconAnimation = 0;  // the player standing
constexpr long MaxIconSide = 1024;

struct IconRequest {
    int32_t side;
    const char* path;
};

bool parseRequests(int argc, char* argv[], std::vector<IconRequest>* requests) {
    if (argc < 3 || argc % 2 == 0) {
        fprintf(stderr, "usage: make_icons SIZE FILE.png [SIZE FILE.png ...]\n");
        return false;
    }
    for (int i = 1; i < argc; i += 2) {
        char* end;
        long side = strtol(argv[i], &end, 10);
        if (*argv[i] == '\0' || *end != '\0' || side < 1 || side > MaxIconSide) {
            fprintf(stderr, "make_icons: icon size \"%s\" is not a number from 1 to %ld\n", argv[i], MaxIconSide);
            return false;
        }
        requests->push_back({int32_t(side), argv[i + 1]});
    }
    return true;
}

// Each part cut from its skin the way world setup cuts the player's.
void cutPlayerParts(const ContentPictures& pictures, uint32_t* parts[PartCount]) {
    for (int part = 0; part < PartCount; part++) {
        const IndexedBitmap& skin = pictures.skins[part % pictures.skinCount];
        const uint8_t* block = skin.indices + partBlock[part] * PartSide * PartSide;
        parts[part] = expandIndexed(PartSide, PartSide, PartSide, PartSide, skin.colors, block);
    }
}

bool writeIcons(const Pose& pose, const uint32_t* const parts[PartCount], const std::vector<IconRequest>& requests) {
    FigureBounds bounds;
    if (!measurePose(pose, parts, &bounds)) {
        fprintf(stderr, "%s: the player's standing pose shows no opaque pixel\n", AnimationPath);
        return false;
    }
    for (const IconRequest& request : requests)
        if (!writePng(request.path, drawIcon(pose, parts, bounds, request.side))) return false;
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    std::vector<IconRequest> requests;
    if (!parseRequests(argc, argv, &requests)) return 2;
    ContentPictures pictures;
    if (!loadContentList(ContentListPath, &pictures)) return 1;
    Animation* animations;
    int32_t animationCount;
    bool written = false;
    if (loadAnimations(AnimationPath, &animations, &animationCount)) {
        uint32_t* parts[PartCount];
        cutPlayerParts(pictures, parts);
        written = writeIcons(animations[IconAnimation].frames[0], parts, requests);
        for (uint32_t* part : parts) delete[] part;
        freeAnimations(animations, animationCount);
    }
    freeContentPictures(&pictures);
    return written ? 0 : 1;
}
