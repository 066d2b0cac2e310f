// Palettised bitmaps: reading and expanding to RGBA.
#pragma once
#include <cstdint>

// A picture kept for cutting later. Its size is not stored: every user knows
// the size the content must have.
struct IndexedBitmap {
    uint8_t* indices;  // width * height palette indices, top row first
    uint32_t* colors;  // 256 colour words, bytes R, G, B, A in memory
};

// Magenta in a palette becomes this: dark grey, fully transparent.
constexpr uint32_t TransparentColor = 0x00444444u;

// Reads an 8-bit uncompressed bitmap. Any output may be null except indices.
// On bad content prints one line naming the file and returns false.
bool loadIndexedBitmap(const char* path, int32_t* width, int32_t* height, uint32_t** colors, uint8_t** indices);

// Frees an array of count pictures and what each holds.
void freeIndexedBitmaps(IndexedBitmap* pictures, int32_t count);

// RGBA image of dstWidth x dstHeight from a srcWidth-wide index array;
// what lies outside the source is transparent black. Caller frees with delete[].
uint32_t* expandIndexed(int32_t srcWidth, int32_t srcHeight, int32_t dstWidth, int32_t dstHeight,
                        const uint32_t* colors, const uint8_t* indices);
