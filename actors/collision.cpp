// Moves of a box against the collision grid, a cell at a time.
#include "actors/collision.h"

#include <cstdlib>

#include "actors/actor.h"
#include "shell/numbers.h"
#include "shell/world.h"

namespace {

constexpr int32_t CellShift = TileShift;
constexpr int32_t CellMask = TilePixels - 1;  // offset inside a cell
constexpr int32_t CellSize = TilePixels;

bool isSlope(int32_t cls) { return cls == ClassSlopeDown || cls == ClassSlopeUp; }
bool isSolid(int32_t cls) { return cls == ClassWall || cls == ClassBreakable || cls == ClassBreakableToo; }
bool blocksRising(int32_t cls) { return isSolid(cls) || isSlope(cls); }
bool isPlatformTop(int32_t cls) { return cls == ClassLadderTop || cls == ClassPlatform; }

int32_t cellStart(int32_t pixel) { return pixel & ~CellMask; }

// Puts the bottom edge `depth` pixels below the top of the row that holds it now.
void standOnSurface(Body& body, int32_t depth) { body.y = cellStart(body.y + body.height) + depth - body.height; }

bool moveUp(Body& body, int32_t colL, int32_t colR) {
    int32_t headRow = (body.y + body.vy) >> CellShift;
    for (int32_t col = colL; col <= colR; col++) {
        if (blocksRising(cellClass(headRow, col))) {
            body.y = cellStart(body.y + body.vy) + CellSize;
            return true;
        }
    }
    body.y += body.vy;
    return false;
}

bool moveDown(Body& body, int32_t colL, int32_t colR) {
    int32_t foot = body.y + body.height + body.vy;
    int32_t footRow = foot >> CellShift;
    int32_t midX = body.x + (body.width >> 1);
    int32_t centre = cellClass(footRow, midX >> CellShift);

    // Only the cell under the centre makes a slope; a solid cell anywhere under the box beats a platform.
    int32_t kind = isSlope(centre) ? centre : ClassEmpty;
    if (kind == ClassEmpty) {
        for (int32_t col = colL; col <= colR; col++) {
            int32_t cls = cellClass(footRow, col);
            if (isSolid(cls)) kind = ClassWall;
            else if (isPlatformTop(cls) && kind == ClassEmpty) kind = ClassPlatform;
        }
    }

    if (kind == ClassWall) {
        body.y = cellStart(foot) - body.height - 1;
        return true;
    }
    if (isSlope(kind)) {
        int32_t depth = kind == ClassSlopeDown ? (midX & CellMask) : CellMask - (midX & CellMask);
        // On the surface of the slope's own row, which a fall may have only now reached.
        if ((foot & CellMask) > depth) {
            body.y = cellStart(foot) + depth - body.height;
            return true;
        }
    } else if (kind == ClassPlatform) {
        // Feet already inside the platform's row sink through it, a pixel slower.
        if ((body.y + body.height) >> CellShift == footRow) {
            body.y += body.vy - 1;
            return false;
        }
        body.y = cellStart(foot) - body.height - 1;
        return true;
    }
    body.y += body.vy;
    return false;
}

}  // namespace

int32_t cellClass(int32_t row, int32_t col) {
    if (row < 0 || row >= WorldTiles || col < 0 || col >= WorldTiles) return ClassWall;
    return world->collisionGrid[row][col];
}

bool moveVertical(Actor* actor) {
    Body& body = actor->body;
    int32_t colL = body.x >> CellShift;
    int32_t colR = (body.x + body.width) >> CellShift;
    return body.vy < 0 ? moveUp(body, colL, colR) : moveDown(body, colL, colR);
}

bool moveHorizontal(Actor* actor) {
    Body& body = actor->body;
    if (body.vx == 0) return false;

    int32_t topRow = body.y >> CellShift;
    int32_t botRow = (body.y + body.height) >> CellShift;
    int32_t midOld = body.x + (body.width >> 1);
    int32_t midNew = midOld + body.vx;

    int32_t slope = cellClass(botRow, midNew >> CellShift);
    if (!isSlope(slope)) slope = cellClass(botRow, midOld >> CellShift);
    if (!isSlope(slope)) slope = ClassEmpty;
    // Standing on a slope: its own row is not a wall.
    if (slope != ClassEmpty) botRow = (body.y + body.height - (body.width >> 1) - std::abs(body.vx)) >> CellShift;

    bool right = body.vx > 0;
    // The slope whose full-height side faces the mover stops it; the other one is climbed.
    int32_t facingWall = right ? ClassSlopeDown : ClassSlopeUp;
    int32_t uphill = right ? ClassSlopeUp : ClassSlopeDown;
    int32_t leadCol = (right ? body.x + body.vx + body.width : body.x + body.vx) >> CellShift;
    for (int32_t row = topRow; row <= botRow; row++) {
        int32_t cls = cellClass(row, leadCol);
        if (isSolid(cls) || cls == facingWall) {
            body.x = right ? cellStart(body.x + body.width + body.vx) - body.width - 1
                           : cellStart(body.x + body.vx) + CellSize;
            return true;
        }
    }
    if (slope == uphill) {
        int32_t depth = right ? CellMask - (midNew & CellMask) : (midNew + 1) & CellMask;
        if (((body.y + body.height) & CellMask) > depth) standOnSurface(body, depth);
    }
    body.x += body.vx;
    return false;
}
