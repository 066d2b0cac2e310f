// Content files made by the tests: bitmaps, text files and whole data folders.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/scratch.h"

struct BitmapFile {
    int32_t width;
    int32_t height;
    std::vector<std::array<uint8_t, 3>> palette;  // red, green, blue
    std::vector<uint8_t> storedPixels;            // as in the file: bottom row first
    int32_t bitsPerPixel = 8;
    int32_t compression = 0;
    int32_t colorCount = -1;      // written into the header; -1 = the palette's size
    int32_t infoHeaderSize = 40;  // 108 and 124 as GIMP writes them, colour masks filled in
    int32_t gapBeforePixels = 0;  // bytes between the palette and the pixels
    std::string signature = "BM";
};

std::string bitmapBytes(const BitmapFile& bitmap);
// A width x height picture of two colours whose pixel (x, y) has index (x + y) % 2.
BitmapFile plainBitmapFile(int32_t width, int32_t height);
std::string plainBitmap(int32_t width, int32_t height);

// 400 tile codes, the first one given, the others 0.
std::string tileCodes(int32_t first = 0);
// One template; spawns is the count followed by its entries.
std::string templateText(int32_t doorMask, const std::string& spawns = "0", const std::string& tiles = tileCodes());
// One template of each door mask 0..15, in mask order.
std::vector<std::string> templatesOfEveryMask();
std::string mapText(const std::vector<std::string>& templates);

// 16 joints: joint j is (base + j, base - j, base / 4).
std::string keyPoseText(int32_t base);
// count key poses (pose k from keyPoseText(10 * k)), then the animations given,
// followed by still ones up to the 67 the game needs.
std::string animationFileText(int32_t keyPoseCount, const std::vector<std::string>& animations);

// A valid data folder below dir: skin "hero", scenery set "cave", projectile image
// "fireball", the five whole pictures, 67 animations, 16 templates.
void writeDataFolder(const ScratchDir& dir);

// Makes a folder the working directory for the object's lifetime.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const std::string& path);
    ~WorkingDirectory();

private:
    std::string previous;
};
