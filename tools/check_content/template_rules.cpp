#include "tools/check_content/template_rules.h"

#include "actors/collision.h"
#include "content/tile_atlas.h"
#include "shell/world.h"
#include "tools/check_content/arrival_zones.h"
#include "tools/check_content/cell_kinds.h"
#include "tools/check_content/door_convention.h"
#include "tools/check_content/enemy_kinds.h"
#include "tools/check_content/problems.h"

namespace {

constexpr int32_t EnemyHalfWidth = 15;  // every enemy's box is 30 x 60 above its feet
constexpr int32_t EnemyHeight = 60;
constexpr int32_t ClimberRows = 2;  // free rows a player needs above a ladder's top
constexpr int32_t LastTile = RoomTiles - 1;
constexpr int32_t ArrivalClearance = 64;  // pixels between a new enemy and a player just come in
constexpr uint32_t DrawnAlpha = 26;       // the alpha test draws a texel whose alpha is above this

bool edgeCellFits(int32_t wanted, int32_t cls) { return cls == wanted || (wanted == ClassEmpty && cls == ClassInert); }

const char* describeWanted(int32_t wanted) {
    if (wanted == ClassWall) return "a wall";
    if (wanted == ClassLadder) return "the door's ladder";
    return "an opening";
}

struct Edge {
    const char* name;
    int32_t row0, col0;  // first cell
    int32_t dRow, dCol;  // step along the edge
};

constexpr Edge Edges[] = {
    {"top edge", 0, 0, 0, 1},
    {"bottom edge", LastTile, 0, 0, 1},
    {"left edge", 0, 0, 1, 0},
    {"right edge", 0, LastTile, 1, 0},
};

// The first cell of each edge that breaks the door convention.
void checkDoors(int32_t index, const RoomTemplate& room) {
    for (const Edge& edge : Edges) {
        for (int32_t i = 0; i < RoomTiles; i++) {
            int32_t row = edge.row0 + edge.dRow * i;
            int32_t col = edge.col0 + edge.dCol * i;
            int32_t wanted = edgeClassFor(room.doorMask, row, col);
            int32_t cls = classAt(room, row, col);
            if (edgeCellFits(wanted, cls)) continue;
            reportProblem("%s: %s, row %d, column %d: tile %d (class %d) where its doors want %s",
                          templateName(index).c_str(), edge.name, row, col, room.tiles[row][col], cls,
                          describeWanted(wanted));
            break;
        }
    }
}

// Nobody enters a closed cell; it shows only rock.
void checkClosedRock(int32_t index, const RoomTemplate& room) {
    if (room.spawnCount > 0) {
        reportProblem("%s: a closed cell holds %d spawn points", templateName(index).c_str(), room.spawnCount);
    }
    for (int32_t row = 0; row < RoomTiles; row++) {
        for (int32_t col = 0; col < RoomTiles; col++) {
            if (classAt(room, row, col) == ClassWall) continue;
            reportProblem("%s: row %d, column %d: tile %d is not rock, but a closed cell must be solid",
                          templateName(index).c_str(), row, col, room.tiles[row][col]);
            return;
        }
    }
}

void checkSpawn(int32_t index, const RoomTemplate& room, int32_t i) {
    const SpawnPoint& spawn = room.spawns[i];
    std::string where = templateName(index) + ": spawn " + std::to_string(i) + " (type " +
                        std::to_string(spawn.enemyType) + " at " + std::to_string(spawn.x) + ", " +
                        std::to_string(spawn.y) + ")";
    if (!drawnForRooms(spawn.enemyType)) {
        reportProblem("%s: not one of the enemy types drawn for rooms (4 7 8 13 14 16 17)", where.c_str());
    }
    int32_t left = spawn.x - EnemyHalfWidth, right = spawn.x + EnemyHalfWidth;
    int32_t top = spawn.y - EnemyHeight, bottom = spawn.y;
    if (left < 0 || right >= RoomPixels || top < 0 || bottom >= RoomPixels) {
        reportProblem("%s: the enemy's box reaches out of the room", where.c_str());
        return;
    }
    for (int32_t row = top / TilePixels; row <= bottom / TilePixels; row++) {
        for (int32_t col = left / TilePixels; col <= right / TilePixels; col++) {
            if (!blocks(classAt(room, row, col))) continue;
            reportProblem("%s: the enemy's box overlaps the solid cell at row %d, column %d", where.c_str(), row, col);
            return;
        }
    }
    int32_t floorRow = (bottom + 1) / TilePixels;
    if (keepsToFloor(spawn.enemyType) &&
        (floorRow > LastTile || !bearsWeight(classAt(room, floorRow, spawn.x / TilePixels)))) {
        reportProblem("%s: a walker or stander whose feet are not on a floor cell", where.c_str());
    }
    // An enemy that appears on top of a player just come in cannot be told apart from it, nor escaped.
    Box enemy{left, top, right, bottom};
    for (const ArrivalZone& zone : arrivalZones(room)) {
        int32_t gap = boxGap(enemy, zone.box);
        if (gap >= ArrivalClearance) continue;
        reportProblem("%s: the enemy's box comes within %d pixels of where the player arrives through %s (%d)",
                      where.c_str(), ArrivalClearance, zone.door, gap);
        return;
    }
}

// Some texel of the tile's atlas cell is drawn.
bool hasArt(int32_t code) {
    const IndexedBitmap& atlas = world->tileAtlases[0];
    AtlasCell cell = atlasCell(code);
    int32_t x0 = cell.column * TilePixels, y0 = cell.row * TilePixels;
    for (int32_t y = y0; y < y0 + TilePixels; y++) {
        for (int32_t x = x0; x < x0 + TilePixels; x++) {
            if (atlas.colors[atlas.indices[y * AtlasWidth + x]] >> 24 > DrawnAlpha) return true;
        }
    }
    return false;
}

// A wall, slope, floor or block, which a decoration may stand on or hang from; nothing beyond the room.
bool holdsUp(const RoomTemplate& room, int32_t row, int32_t col) {
    if (row < 0 || row > LastTile || col < 0 || col > LastTile) return false;
    int32_t cls = classAt(room, row, col);
    return blocks(cls) || bearsWeight(cls);
}

// A drawn tile that blocks nothing stands on a floor or hangs from something solid over or beside it.
void checkDecorationsHeld(int32_t index, const RoomTemplate& room) {
    for (int32_t row = 0; row < RoomTiles; row++) {
        for (int32_t col = 0; col < RoomTiles; col++) {
            int32_t code = room.tiles[row][col], cls = classAt(room, row, col);
            if ((cls != ClassEmpty && cls != ClassInert) || !hasArt(code)) continue;
            if (holdsUp(room, row + 1, col) || holdsUp(room, row - 1, col) || holdsUp(room, row, col - 1) ||
                holdsUp(room, row, col + 1)) {
                continue;
            }
            reportProblem(
                "%s: row %d, column %d: tile %d floats, with no floor under it and nothing solid over "
                "or beside it",
                templateName(index).c_str(), row, col, code);
        }
    }
}

// A climber hangs one pixel into the column left of the ladder, from the
// ladder's foot to a player's height above its top.
void checkLadderColumns(int32_t index, const RoomTemplate& room) {
    for (int32_t row = 0; row < RoomTiles; row++) {
        for (int32_t col = 0; col < RoomTiles; col++) {
            if (!isLadder(classAt(room, row, col))) continue;
            bool atTop = row > 0 && !isLadder(classAt(room, row - 1, col));
            int32_t firstFree = atTop ? row - ClimberRows : row;
            for (int32_t r = firstFree < 0 ? 0 : firstFree; r <= row; r++) {
                bool besideFree = col > 0 && !blocks(classAt(room, r, col - 1));
                bool aboveFree = r == row || !blocks(classAt(room, r, col));
                if (besideFree && aboveFree) continue;
                reportProblem(
                    "%s: the ladder at row %d, column %d cannot be climbed: row %d is solid where the "
                    "climber goes",
                    templateName(index).c_str(), row, col, r);
                return;
            }
        }
    }
}

}  // namespace

void checkTemplates() {
    int32_t count = 0;
    for (int32_t mask = 0; mask < MaskCount; mask++) count += world->templateCountByMask[mask];
    for (int32_t index = 0; index < count; index++) {
        const RoomTemplate& room = world->roomTemplates[index];
        checkDoors(index, room);
        if (room.doorMask == 0) checkClosedRock(index, room);
        for (int32_t i = 0; i < room.spawnCount; i++) checkSpawn(index, room, i);
        checkLadderColumns(index, room);
        checkDecorationsHeld(index, room);
    }
}
