#include "content/bitmap.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "content/content_error.h"

namespace {

constexpr int HeaderSize = 54;  // file header and info header; the palette follows
constexpr int WidthOffset = 18;
constexpr int HeightOffset = 22;
constexpr int BitsPerPixelOffset = 28;
constexpr int CompressionOffset = 30;
constexpr int ColorCountOffset = 46;
constexpr int PaletteEntrySize = 4;  // blue, green, red, unused
constexpr int PaletteSize = 256;
constexpr int64_t MaxPixels = 4096 * 4096;  // far above any picture the game uses
constexpr uint32_t OpaqueWhite = 0xffffffffu;
constexpr uint32_t OpaqueAlpha = 0xff000000u;

int32_t readLe32(const uint8_t* bytes) {
    return int32_t(uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
                   uint32_t(bytes[3]) << 24);
}

int32_t readLe16(const uint8_t* bytes) { return bytes[0] | bytes[1] << 8; }

// Rejects every header the game cannot use; prints why.
bool headerIsUsable(const char* path, int32_t width, int32_t height, int32_t bitsPerPixel,
                    int32_t compression, int32_t colorCount) {
    if (bitsPerPixel != 8) {
        reportContentError(path, "has %d bits per pixel, pictures must have 8", bitsPerPixel);
    } else if (compression != 0) {
        reportContentError(path, "is compressed (method %d), pictures must be uncompressed", compression);
    } else if (width <= 0 || width % 4 != 0) {
        reportContentError(path, "width %d is not a positive multiple of 4", width);
    } else if (height <= 0) {
        reportContentError(path, "height %d is not positive (rows must be stored bottom-up)", height);
    } else if (colorCount < 1 || colorCount > PaletteSize) {
        reportContentError(path, "colour count %d is outside 1..%d", colorCount, PaletteSize);
    } else if (int64_t(width) * height > MaxPixels) {
        reportContentError(path, "is %d x %d, more than %lld pixels", width, height, (long long)MaxPixels);
    } else {
        return true;
    }
    return false;
}

long fileSize(FILE* file) {
    if (fseek(file, 0, SEEK_END) != 0) return -1;
    long size = ftell(file);
    return fseek(file, 0, SEEK_SET) == 0 ? size : -1;
}

uint32_t paletteColor(const uint8_t* entry) {
    uint8_t blue = entry[0], green = entry[1], red = entry[2];
    if (red == 255 && green == 0 && blue == 255) return TransparentColor;
    return red | green << 8 | blue << 16 | OpaqueAlpha;
}

// The palette as colour words; slots the file leaves out are opaque white.
uint32_t* makePalette(const uint8_t* entries, int32_t colorCount) {
    uint32_t* colors = new uint32_t[PaletteSize];
    for (int32_t i = 0; i < PaletteSize; i++) {
        colors[i] = i < colorCount ? paletteColor(entries + i * PaletteEntrySize) : OpaqueWhite;
    }
    return colors;
}

// Reads the whole checked file; the caller owns the opened file.
bool readBitmap(FILE* file, const char* path, int32_t* width, int32_t* height, uint32_t** colors,
                uint8_t** indices) {
    uint8_t header[HeaderSize];
    long size = fileSize(file);
    size_t headerRead = fread(header, 1, HeaderSize, file);
    if (ferror(file)) {
        reportContentError(path, "cannot be read (%s)", strerror(errno));
        return false;
    }
    if (headerRead != HeaderSize) {
        reportContentError(path, "is too short for a bitmap header (%zu bytes)", headerRead);
        return false;
    }
    int32_t w = readLe32(header + WidthOffset);
    int32_t h = readLe32(header + HeightOffset);
    int32_t colorCount = readLe32(header + ColorCountOffset);
    if (!headerIsUsable(path, w, h, readLe16(header + BitsPerPixelOffset), readLe32(header + CompressionOffset),
                        colorCount)) {
        return false;
    }
    int64_t paletteBytes = int64_t(colorCount) * PaletteEntrySize;
    int64_t needed = HeaderSize + paletteBytes + int64_t(w) * h;
    if (size < needed) {
        reportContentError(path, "is truncated: %ld bytes, its header needs %lld", size, (long long)needed);
        return false;
    }
    uint8_t entries[PaletteSize * PaletteEntrySize];
    uint8_t* pixels = new uint8_t[size_t(w) * h];
    // Rows are stored bottom row first, each exactly width bytes with no padding.
    bool complete = fread(entries, 1, paletteBytes, file) == size_t(paletteBytes);
    for (int32_t row = h - 1; complete && row >= 0; row--) {
        complete = fread(pixels + size_t(row) * w, 1, w, file) == size_t(w);
    }
    if (!complete) {
        reportContentError(path, "cannot be read (%s)", strerror(errno));
        delete[] pixels;
        return false;
    }
    if (width) *width = w;
    if (height) *height = h;
    if (colors) *colors = makePalette(entries, colorCount);
    *indices = pixels;
    return true;
}

}  // namespace

bool loadIndexedBitmap(const char* path, int32_t* width, int32_t* height, uint32_t** colors,
                       uint8_t** indices) {
    FILE* file = fopen(path, "rb");
    if (!file) {
        reportContentError(path, "cannot open (%s)", strerror(errno));
        return false;
    }
    bool loaded = readBitmap(file, path, width, height, colors, indices);
    fclose(file);
    return loaded;
}

void freeIndexedBitmaps(IndexedBitmap* pictures, int32_t count) {
    for (int32_t i = 0; pictures && i < count; i++) {
        delete[] pictures[i].indices;
        delete[] pictures[i].colors;
    }
    delete[] pictures;
}

uint32_t* expandIndexed(int32_t srcWidth, int32_t srcHeight, int32_t dstWidth, int32_t dstHeight,
                        const uint32_t* colors, const uint8_t* indices) {
    uint32_t* image = new uint32_t[size_t(dstWidth) * dstHeight];
    for (int32_t y = 0; y < dstHeight; y++) {
        for (int32_t x = 0; x < dstWidth; x++) {
            bool inside = x < srcWidth && y < srcHeight;
            image[size_t(y) * dstWidth + x] = inside ? colors[indices[size_t(y) * srcWidth + x]] : 0;
        }
    }
    return image;
}
