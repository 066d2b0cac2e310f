// The content list and the indexed pictures it names.
#pragma once
#include <cstdint>
#include "content/bitmap.h"

struct ContentPictures {
    int32_t skinCount;
    int32_t sceneryCount;
    int32_t projectileImageCount;
    IndexedBitmap* skins;             // 64 x 1024 each
    IndexedBitmap* backgrounds;       // 640 x 640 each
    IndexedBitmap* tileAtlases;       // 512 x 256 each
    IndexedBitmap* projectileImages;  // 64 x 64 each
};

// Told of each scenery set once its pictures are in; false ends the loading.
using SceneryHook = bool (*)(int32_t scenery, const char* name);

// Reads the list at path and every picture it names, in list order, each
// checked for the size its use needs. False (after one message) on bad
// content, with nothing left allocated and pictures untouched.
bool loadContentList(const char* path, ContentPictures* pictures, SceneryHook sceneryLoaded = nullptr);
void freeContentPictures(ContentPictures* pictures);
