#include "content/bitmap.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstdio>
#include <cstring>

#include "content/content_error.h"
#include "content/data_file.h"

namespace {

constexpr int HeaderSize = 54;  // the file header and the smallest info header read
constexpr int InfoHeaderStart = 14;
constexpr int PixelOffsetOffset = 10;
constexpr int WidthOffset = 18;
constexpr int HeightOffset = 22;
constexpr int BitsPerPixelOffset = 28;
constexpr int CompressionOffset = 30;
constexpr int ColorCountOffset = 46;
// The info headers editors write: the classic one, and the longer ones (V4, V5) that
// add colour-space fields but keep the first 40 bytes and the palette right after them.
constexpr int32_t InfoHeaderSizes[] = {40, 108, 124};
constexpr int PaletteEntrySize = 4;  // blue, green, red, unused
constexpr int PaletteSize = 256;
constexpr int64_t MaxPixels = 4096 * 4096;  // far above any picture the game uses
constexpr uint32_t OpaqueWhite = 0xffffffffu;
constexpr uint32_t OpaqueAlpha = 0xff000000u;

int32_t readLe32(const uint8_t* bytes) {
    return int32_t(uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 | uint32_t(bytes[3]) << 24);
}

int32_t readLe16(const uint8_t* bytes) { return bytes[0] | bytes[1] << 8; }

// What the headers say, as far as the game reads them.
struct BitmapLayout {
    int32_t width;
    int32_t rows;
    bool topDown;        // a negative height: rows stored top row first
    int32_t colorCount;  // entries in the file's palette
    int64_t paletteStart;
    int64_t pixelStart;
};

bool knownInfoHeader(int32_t size) {
    for (int32_t known : InfoHeaderSizes) {
        if (size == known) return true;
    }
    return false;
}

// Reads the layout out of the headers, rejecting every one the game cannot use; prints why.
bool readLayout(const char* path, const uint8_t* header, BitmapLayout* layout) {
    int32_t infoSize = readLe32(header + InfoHeaderStart);
    int32_t height = readLe32(header + HeightOffset);
    int32_t bitsPerPixel = readLe16(header + BitsPerPixelOffset);
    int32_t compression = readLe32(header + CompressionOffset);
    int32_t colorCount = readLe32(header + ColorCountOffset);
    layout->width = readLe32(header + WidthOffset);
    layout->rows = height == INT32_MIN ? 0 : std::abs(height);
    layout->topDown = height < 0;
    layout->colorCount = colorCount == 0 ? PaletteSize : colorCount;  // 0: a full palette
    layout->paletteStart = InfoHeaderStart + int64_t(infoSize);
    layout->pixelStart = uint32_t(readLe32(header + PixelOffsetOffset));
    if (header[0] != 'B' || header[1] != 'M') {
        reportContentError(path, "is not a bitmap: it does not start with \"BM\"");
    } else if (!knownInfoHeader(infoSize)) {
        reportContentError(path, "has an info header of %d bytes, pictures must have one of 40, 108 or 124", infoSize);
    } else if (bitsPerPixel != 8) {
        reportContentError(path, "has %d bits per pixel, pictures must have 8", bitsPerPixel);
    } else if (compression != 0) {
        reportContentError(path, "is compressed (method %d), pictures must be uncompressed", compression);
    } else if (layout->width <= 0 || layout->width % 4 != 0) {
        reportContentError(path, "width %d is not a positive multiple of 4", layout->width);
    } else if (layout->rows <= 0) {
        reportContentError(path, "height %d leaves no rows", height);
    } else if (colorCount < 0 || colorCount > PaletteSize) {
        reportContentError(path, "colour count %d is outside 1..%d", colorCount, PaletteSize);
    } else if (int64_t(layout->width) * layout->rows > MaxPixels) {
        reportContentError(path, "is %d x %d, more than %lld pixels", layout->width, layout->rows,
                           (long long)MaxPixels);
    } else if (layout->paletteStart + int64_t(layout->colorCount) * PaletteEntrySize > layout->pixelStart) {
        reportContentError(path, "palette of %d colours runs into the pixels at offset %lld", layout->colorCount,
                           (long long)layout->pixelStart);
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

// The palette and the rows, each where the headers put it; rows come out top row first.
bool readBody(FILE* file, const BitmapLayout& layout, uint8_t* entries, uint8_t* pixels) {
    size_t paletteBytes = size_t(layout.colorCount) * PaletteEntrySize;
    if (fseek(file, long(layout.paletteStart), SEEK_SET) != 0 ||
        fread(entries, 1, paletteBytes, file) != paletteBytes || fseek(file, long(layout.pixelStart), SEEK_SET) != 0) {
        return false;
    }
    for (int32_t stored = 0; stored < layout.rows; stored++) {
        int32_t row = layout.topDown ? stored : layout.rows - 1 - stored;
        if (fread(pixels + size_t(row) * layout.width, 1, layout.width, file) != size_t(layout.width)) return false;
    }
    return true;
}

// Reads the whole checked file; the caller owns the opened file.
bool readBitmap(FILE* file, const char* path, int32_t* width, int32_t* height, uint32_t** colors, uint8_t** indices) {
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
    BitmapLayout layout;
    if (!readLayout(path, header, &layout)) return false;
    int64_t needed = layout.pixelStart + int64_t(layout.width) * layout.rows;
    if (size < needed) {
        reportContentError(path, "is truncated: %ld bytes, its header needs %lld", size, (long long)needed);
        return false;
    }
    uint8_t entries[PaletteSize * PaletteEntrySize];
    uint8_t* pixels = new uint8_t[size_t(layout.width) * layout.rows];
    if (!readBody(file, layout, entries, pixels)) {
        reportContentError(path, "cannot be read (%s)", strerror(errno));
        delete[] pixels;
        return false;
    }
    if (width) *width = layout.width;
    if (height) *height = layout.rows;
    if (colors) *colors = makePalette(entries, layout.colorCount);
    *indices = pixels;
    return true;
}

}  // namespace

bool loadIndexedBitmap(const char* path, int32_t* width, int32_t* height, uint32_t** colors, uint8_t** indices) {
    FILE* file = openDataFile(path, "rb");
    if (!file) return false;
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
