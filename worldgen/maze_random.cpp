#include "worldgen/maze.h"

namespace {
constexpr uint32_t Multiplier = 69069;
constexpr uint32_t Increment = 12345;
constexpr uint32_t LowBits = 0xFFFF;
}  // namespace

uint32_t nextBelow(MazeRandom& random, uint32_t n) {
    random.seed = random.seed * Multiplier + Increment;
    // A 64-bit product keeps the result below n even for n above 65536.
    return uint32_t((uint64_t(random.seed & LowBits) * n) >> 16);
}
