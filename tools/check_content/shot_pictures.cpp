#include "tools/check_content/shot_pictures.h"

#include <dirent.h>

#include <cstdint>
#include <string>

#include "content/bitmap.h"
#include "tools/check_content/problems.h"

namespace {

constexpr const char* ShotFolder = "data/projectiles";
constexpr int64_t LeastTurnedCover = 80;  // per cent
constexpr uint32_t DrawnAlpha = 26;       // the alpha test draws a texel whose alpha is above this

bool isPicture(const std::string& name) { return name.size() > 4 && name.compare(name.size() - 4, 4, ".bmp") == 0; }

void checkShotPicture(const std::string& path) {
    int32_t width, height;
    uint32_t* colors;
    uint8_t* indices;
    if (!loadIndexedBitmap(path.c_str(), &width, &height, &colors, &indices)) {
        reportProblemIn(path.c_str(), "cannot be checked");
        return;
    }
    auto opaque = [&](int32_t x, int32_t y) { return colors[indices[y * width + x]] >> 24 > DrawnAlpha; };
    int64_t drawn = 0, covered = 0;
    for (int32_t y = 0; y < height; y++) {
        for (int32_t x = 0; x < width; x++) {
            if (!opaque(x, y)) continue;
            drawn++;
            // The texel that a quarter turn about the middle brings here.
            if (width == height && opaque(y, width - 1 - x)) covered++;
        }
    }
    if (covered * 100 < drawn * LeastTurnedCover || drawn == 0) {
        reportProblemIn(path.c_str(),
                        "turned by 90 degrees, its outline covers %d %% of itself, under the %d %% that lets a "
                        "shot read the same flying any way",
                        int(drawn ? covered * 100 / drawn : 0), int(LeastTurnedCover));
    }
    delete[] colors;
    delete[] indices;
}

}  // namespace

void checkShotPictures() {
    DIR* folder = opendir(ShotFolder);
    if (!folder) {
        reportProblemIn(ShotFolder, "cannot be listed");
        return;
    }
    while (const dirent* entry = readdir(folder)) {
        if (isPicture(entry->d_name)) checkShotPicture(std::string(ShotFolder) + "/" + entry->d_name);
    }
    closedir(folder);
}
