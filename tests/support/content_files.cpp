#include "tests/support/content_files.h"

#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>

#include "content/animation.h"
#include "content/room_template.h"

namespace {

void putLe(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; i++) out += char((value >> (8 * i)) & 0xff);
}

}  // namespace

std::string bitmapBytes(const BitmapFile& bitmap) {
    constexpr uint32_t Masks[] = {0x00ff0000, 0x0000ff00, 0x000000ff, 0xff000000, 0x73524742};  // and 'sRGB'
    int32_t colorCount = bitmap.colorCount == -1 ? int32_t(bitmap.palette.size()) : bitmap.colorCount;
    uint32_t pixelOffset = 14 + bitmap.infoHeaderSize + 4 * uint32_t(bitmap.palette.size()) + bitmap.gapBeforePixels;
    std::string out = bitmap.signature;
    putLe(out, pixelOffset + uint32_t(bitmap.storedPixels.size()), 4);
    putLe(out, 0, 4);
    putLe(out, pixelOffset, 4);
    putLe(out, bitmap.infoHeaderSize, 4);
    putLe(out, bitmap.width, 4);
    putLe(out, bitmap.height, 4);
    putLe(out, 1, 2);
    putLe(out, bitmap.bitsPerPixel, 2);
    putLe(out, bitmap.compression, 4);
    putLe(out, uint32_t(bitmap.storedPixels.size()), 4);
    putLe(out, 2835, 4);
    putLe(out, 2835, 4);
    putLe(out, colorCount, 4);
    putLe(out, 0, 4);
    for (uint32_t mask : Masks) {
        if (out.size() < size_t(14 + bitmap.infoHeaderSize)) putLe(out, mask, 4);
    }
    out.resize(14 + bitmap.infoHeaderSize, '\0');
    for (const auto& color : bitmap.palette) {
        out += char(color[2]);
        out += char(color[1]);
        out += char(color[0]);
        out += '\0';
    }
    out.append(bitmap.gapBeforePixels, '\x7f');
    out.append(bitmap.storedPixels.begin(), bitmap.storedPixels.end());
    return out;
}

BitmapFile plainBitmapFile(int32_t width, int32_t height) {
    BitmapFile bitmap{width, height, {{10, 20, 30}, {200, 100, 50}}, {}};
    for (int32_t y = height - 1; y >= 0; y--) {
        for (int32_t x = 0; x < width; x++) bitmap.storedPixels.push_back(uint8_t((x + y) % 2));
    }
    return bitmap;
}

std::string plainBitmap(int32_t width, int32_t height) { return bitmapBytes(plainBitmapFile(width, height)); }

std::string tileCodes(int32_t first) {
    std::string text;
    for (int32_t row = 0; row < RoomTiles; row++) {
        for (int32_t col = 0; col < RoomTiles; col++) {
            text += (row == 0 && col == 0 ? std::to_string(first) : "0") + (col + 1 < RoomTiles ? " " : "\n");
        }
    }
    return text;
}

std::string templateText(int32_t doorMask, const std::string& spawns, const std::string& tiles) {
    return tiles + std::to_string(doorMask) + " 0 0 0\n" + spawns + "\n";
}

std::vector<std::string> templatesOfEveryMask() {
    std::vector<std::string> templates;
    for (int32_t mask = 0; mask < MaskCount; mask++) templates.push_back(templateText(mask));
    return templates;
}

std::string mapText(const std::vector<std::string>& templates) {
    std::string text = std::to_string(templates.size()) + "\n";
    for (const std::string& one : templates) text += one;
    return text;
}

std::string keyPoseText(int32_t base) {
    std::string text;
    for (int32_t joint = 0; joint < PartCount; joint++) {
        text +=
            std::to_string(base + joint) + " " + std::to_string(base - joint) + " " + std::to_string(base / 4.0) + "\n";
    }
    return text;
}

std::string animationFileText(int32_t keyPoseCount, const std::vector<std::string>& animations) {
    std::string text = std::to_string(keyPoseCount) + " poses\n";
    for (int32_t k = 0; k < keyPoseCount; k++) text += keyPoseText(10 * k);
    int32_t count = std::max<int32_t>(AnimationCount, animations.size());
    text += std::to_string(count) + " animations\n";
    for (int32_t i = 0; i < count; i++) {
        text += i < int32_t(animations.size()) ? animations[i] : "still 0 0 0 0 1 0 1 0";
        text += "\n";
    }
    return text;
}

void writeDataFolder(const ScratchDir& dir) {
    dir.write("data/contents.txt", "1 hero\n1 cave\n1 fireball\n");
    dir.write("data/hero/skin.bmp", plainBitmap(64, 1024));
    dir.write("data/cave/background.bmp", plainBitmap(640, 640));
    dir.write("data/cave/tiles.bmp", plainBitmap(512, 256));
    dir.write("data/projectiles/fireball.bmp", plainBitmap(64, 64));
    for (const char* picture : {"healthbar", "itembar", "bossbar", "emptybar", "projectiles/bullet", "paused"}) {
        dir.write(std::string("data/") + picture + ".bmp", plainBitmap(8, 8));
    }
    dir.write("data/AnimationData.txt", animationFileText(2, {}));
    dir.write("data/map.txt", mapText(templatesOfEveryMask()));
}

WorkingDirectory::WorkingDirectory(const std::string& path) {
    char here[PATH_MAX];
    previous = getcwd(here, sizeof here) ? here : ".";
    // Going on elsewhere would read the wrong files.
    if (chdir(path.c_str()) != 0) {
        perror(path.c_str());
        abort();
    }
}

WorkingDirectory::~WorkingDirectory() {
    if (chdir(previous.c_str()) != 0) perror(previous.c_str());
}
