// How near two boxes come, for the rules about enemies and the player.
#pragma once
#include <algorithm>
#include <cstdint>

struct Box {
    int32_t left, top, right, bottom;  // half-open: right and bottom lie just outside
};

// The larger of the gaps along the two axes: at least d when the boxes are d pixels
// apart on either axis, negative exactly when they overlap.
inline int32_t boxGap(const Box& a, const Box& b) {
    int32_t gapX = std::max(a.left - b.right, b.left - a.right);
    int32_t gapY = std::max(a.top - b.bottom, b.top - a.bottom);
    return std::max(gapX, gapY);
}
