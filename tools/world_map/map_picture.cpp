#include "tools/world_map/map_picture.h"

#include <algorithm>

#include "actors/player_tuning.h"
#include "content/bitmap.h"
#include "content/tile_atlas.h"
#include "shell/world.h"

namespace {

constexpr uint32_t AlphaCutoff = 26;       // the game's alpha test draws only alpha above 0.1
constexpr uint32_t ClosedCellDimming = 3;  // closed cells at a third of their brightness
constexpr int32_t MarkWidth = (PlayerWidth + MapShrink - 1) / MapShrink;  // every actor's box is 30 x 60
constexpr int32_t MarkHeight = (PlayerHeight + MapShrink - 1) / MapShrink;

constexpr uint32_t word(uint32_t r, uint32_t g, uint32_t b) { return r | g << 8 | b << 16 | 0xffu << 24; }

constexpr uint32_t Outline = word(0, 0, 0);
constexpr uint32_t StartMark = word(255, 255, 255);  // the player's start
constexpr MarkColour OtherMark = {word(128, 128, 128), "grey"};

// The types placed in rooms have the most distinct colours.
constexpr MarkColour SpawnMarks[BehaviourTypeCount] = {
    {word(60, 180, 75), "green"},     {word(145, 30, 180), "purple"}, {word(250, 190, 212), "pink"},
    {word(0, 128, 128), "teal"},      {word(245, 130, 48), "orange"}, {word(220, 190, 255), "lavender"},
    {word(170, 110, 40), "brown"},    {word(210, 245, 60), "lime"},   {word(240, 50, 230), "magenta"},
    {word(255, 250, 200), "beige"},   {word(128, 0, 0), "maroon"},    {word(170, 255, 195), "mint"},
    {word(128, 128, 0), "olive"},     {word(255, 225, 25), "yellow"}, {word(230, 25, 75), "red"},
    {word(255, 215, 180), "apricot"}, {word(70, 240, 240), "cyan"},   {word(0, 130, 200), "blue"},
};

uint32_t channel(uint32_t colour, int32_t shift) { return (colour >> shift) & 0xff; }

// One room at full size: the background, then each tile's texels that pass the alpha test.
void drawRoom(const Room& room, const uint32_t* background, const uint32_t* atlas, std::vector<uint32_t>* out) {
    std::copy(background, background + RoomPixels * RoomPixels, out->begin());
    for (int32_t row = 0; row < RoomTiles; row++) {
        for (int32_t col = 0; col < RoomTiles; col++) {
            int32_t code = room.tiles[row][col];
            if (code == 0) continue;
            AtlasCell place = atlasCell(code);
            const uint32_t* cell = atlas + place.row * TilePixels * AtlasWidth + place.column * TilePixels;
            for (int32_t y = 0; y < TilePixels; y++) {
                for (int32_t x = 0; x < TilePixels; x++) {
                    uint32_t texel = cell[y * AtlasWidth + x];
                    if (channel(texel, 24) > AlphaCutoff) {
                        (*out)[(row * TilePixels + y) * RoomPixels + col * TilePixels + x] = texel;
                    }
                }
            }
        }
    }
}

// Averages every MapShrink x MapShrink block of the room into one map pixel.
void shrinkInto(const std::vector<uint32_t>& room, uint32_t dimming, MapPicture* map, int32_t left, int32_t top) {
    constexpr uint32_t BlockPixels = MapShrink * MapShrink;
    for (int32_t my = 0; my < MapRoomSide; my++) {
        for (int32_t mx = 0; mx < MapRoomSide; mx++) {
            uint32_t sum[3] = {0, 0, 0};
            for (int32_t y = 0; y < MapShrink; y++) {
                for (int32_t x = 0; x < MapShrink; x++) {
                    uint32_t colour = room[(my * MapShrink + y) * RoomPixels + mx * MapShrink + x];
                    for (int32_t c = 0; c < 3; c++) sum[c] += channel(colour, 8 * c);
                }
            }
            uint32_t scale = BlockPixels * dimming;
            map->pixels[(top + my) * map->width + left + mx] = word(sum[0] / scale, sum[1] / scale, sum[2] / scale);
        }
    }
}

void fillBox(MapPicture* map, int32_t left, int32_t top, int32_t width, int32_t height, uint32_t colour) {
    for (int32_t y = std::max(top, 0); y < std::min(top + height, map->height); y++) {
        for (int32_t x = std::max(left, 0); x < std::min(left + width, map->width); x++) {
            map->pixels[y * map->width + x] = colour;
        }
    }
}

// An actor's box, by its world top-left corner, outlined so it shows on any tile.
void markBox(MapPicture* map, int32_t worldX, int32_t worldY, uint32_t colour) {
    int32_t left = (worldX - map->firstRoomX * RoomPixels) / MapShrink;
    int32_t top = (worldY - map->firstRoomY * RoomPixels) / MapShrink;
    fillBox(map, left - 1, top - 1, MarkWidth + 2, MarkHeight + 2, Outline);
    fillBox(map, left, top, MarkWidth, MarkHeight, colour);
}

void markSpawns(const Room& room, MapPicture* map) {
    for (int32_t i = 0; i < room.spawnCount; i++) {
        const SpawnPoint& spawn = room.spawns[i];
        // The spawn point is the middle of the enemy's feet.
        markBox(map, spawn.x - PlayerWidth / 2, spawn.y - PlayerHeight, spawnMarkColour(spawn.enemyType).colour);
    }
}

}  // namespace

MarkColour spawnMarkColour(int32_t enemyType) {
    return enemyType >= 0 && enemyType < BehaviourTypeCount ? SpawnMarks[enemyType] : OtherMark;
}

MapPicture drawWorldMap() {
    int32_t minX = WorldRooms, minY = WorldRooms, maxX = 0, maxY = 0;
    for (int32_t x = 0; x < WorldRooms; x++) {
        for (int32_t y = 0; y < WorldRooms; y++) {
            if (world->maze[x][y].state != CellCarved) continue;
            minX = std::min(minX, x), maxX = std::max(maxX, x);
            minY = std::min(minY, y), maxY = std::max(maxY, y);
        }
    }
    MapPicture map;
    map.firstRoomX = minX;
    map.firstRoomY = minY;
    map.width = (maxX - minX + 1) * MapRoomSide;
    map.height = (maxY - minY + 1) * MapRoomSide;
    map.pixels.assign(map.width * map.height, Outline);

    uint32_t* background = expandIndexed(RoomPixels, RoomPixels, RoomPixels, RoomPixels, world->backgrounds[0].colors,
                                         world->backgrounds[0].indices);
    uint32_t* atlas = expandIndexed(AtlasWidth, AtlasHeight, AtlasWidth, AtlasHeight, world->tileAtlases[0].colors,
                                    world->tileAtlases[0].indices);
    std::vector<uint32_t> roomPixels(RoomPixels * RoomPixels);
    for (int32_t x = minX; x <= maxX; x++) {
        for (int32_t y = minY; y <= maxY; y++) {
            const Room& room = world->rooms[x][y];
            drawRoom(room, background, atlas, &roomPixels);
            bool inMaze = world->maze[x][y].state == CellCarved;
            shrinkInto(roomPixels, inMaze ? 1 : ClosedCellDimming, &map, (x - minX) * MapRoomSide,
                       (y - minY) * MapRoomSide);
        }
    }
    delete[] background;
    delete[] atlas;
    // Marks last, so that none is covered by a neighbouring room.
    for (int32_t x = minX; x <= maxX; x++) {
        for (int32_t y = minY; y <= maxY; y++) markSpawns(world->rooms[x][y], &map);
    }
    markBox(&map, PlayerStartX, PlayerStartY, StartMark);
    return map;
}
