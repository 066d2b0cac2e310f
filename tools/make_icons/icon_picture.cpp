#include "tools/make_icons/icon_picture.h"

#include <algorithm>

namespace {

constexpr int32_t Supersampling = 4;      // drawn this many times larger, then averaged down
constexpr float MarginShare = 1.0f / 16;  // of the icon's side, left free on each side

uint32_t channel(uint32_t color, int shift) { return (color >> shift) & 0xffu; }

}  // namespace

RgbaPicture shrink(const RgbaPicture& picture, int32_t factor) {
    RgbaPicture small(picture.width / factor, picture.height / factor);
    uint32_t samples = uint32_t(factor * factor);
    for (int32_t y = 0; y < small.height; y++) {
        for (int32_t x = 0; x < small.width; x++) {
            uint32_t weighted[3] = {0, 0, 0}, alphaSum = 0;
            for (int32_t sy = 0; sy < factor; sy++) {
                for (int32_t sx = 0; sx < factor; sx++) {
                    uint32_t color = picture.at(x * factor + sx, y * factor + sy);
                    uint32_t alpha = alphaOf(color);
                    for (int c = 0; c < 3; c++) weighted[c] += channel(color, 8 * c) * alpha;
                    alphaSum += alpha;
                }
            }
            if (alphaSum == 0) continue;
            uint32_t color = (alphaSum + samples / 2) / samples << 24;
            for (int c = 0; c < 3; c++) color |= (weighted[c] + alphaSum / 2) / alphaSum << (8 * c);
            small.at(x, y) = color;
        }
    }
    return small;
}

RgbaPicture drawIcon(const Pose& pose, const uint32_t* const partImages[PartCount], const FigureBounds& bounds,
                     int32_t size) {
    int32_t side = size * Supersampling;
    float room = side * (1 - 2 * MarginShare);
    float scale = room / std::max(bounds.right - bounds.left, bounds.bottom - bounds.top);
    // The middle of the figure's box goes to the middle of the picture.
    float anchorX = side / 2.0f - scale * (bounds.left + bounds.right) / 2;
    float anchorY = side / 2.0f - scale * (bounds.top + bounds.bottom) / 2;
    RgbaPicture large(side, side);
    drawPose(&large, pose, partImages, anchorX, anchorY, scale);
    return shrink(large, Supersampling);
}
