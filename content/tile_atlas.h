// The tile atlas: 16 columns x 8 rows of tile-sized cells, one per tile code.
#pragma once
#include <cstdint>
#include "shell/numbers.h"

constexpr int AtlasColumns = 16;
constexpr int AtlasRows = 8;
constexpr int AtlasWidth = AtlasColumns * TilePixels;  // pixels of the picture
constexpr int AtlasHeight = AtlasRows * TilePixels;

struct AtlasCell {
    int32_t column;
    int32_t row;
};

// The cell showing a tile code; only the code's low seven bits count.
inline AtlasCell atlasCell(int32_t code) { return {code & (AtlasColumns - 1), (code & 112) >> 4}; }
