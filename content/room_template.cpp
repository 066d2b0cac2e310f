#include "content/room_template.h"

#include <cstring>

#include "content/token_reader.h"

namespace {

constexpr int32_t MaxTemplates = 10000;  // about 16 MB of templates
constexpr int32_t MaxTileCode = 127;     // the collision table has 128 entries
constexpr int32_t MaxDoorMask = MaskCount - 1;
constexpr int32_t MaxEnemyType = BehaviourTypeCount - 1;

bool readTiles(TokenStream* in, int32_t index, RoomTemplate* room) {
    for (int32_t row = 0; row < RoomTiles; row++) {
        for (int32_t col = 0; col < RoomTiles; col++) {
            setTokenPlace(in, "template %d, row %d, column %d", index, row, col);
            if (!readIntInRange(in, 0, MaxTileCode, "tile code", &room->tiles[row][col])) return false;
        }
    }
    return true;
}

bool readSpawns(TokenStream* in, int32_t index, RoomTemplate* room) {
    int32_t count;
    if (!readIntInRange(in, 0, MaxSpawns, "spawn count", &count)) return false;
    room->spawns = new SpawnPoint[count]();
    room->spawnCount = count;
    for (int32_t i = 0; i < count; i++) {
        setTokenPlace(in, "template %d, spawn %d", index, i);
        SpawnPoint& spawn = room->spawns[i];
        spawn.armed = 1;
        // Inside the room, so that adding the room's corner stays in the world.
        if (!readIntInRange(in, 0, RoomPixels - 1, "spawn x", &spawn.x) ||
            !readIntInRange(in, 0, RoomPixels - 1, "spawn y", &spawn.y)) {
            return false;
        }
        spawn.facingLeft = readInt(in) != 0;
        if (!readIntInRange(in, 0, MaxEnemyType, "enemy type", &spawn.enemyType)) return false;
    }
    return true;
}

bool readTemplate(TokenStream* in, int32_t index, RoomTemplate* room) {
    if (!readTiles(in, index, room)) return false;
    setTokenPlace(in, "template %d", index);
    if (!readIntInRange(in, 0, MaxDoorMask, "door mask", &room->doorMask)) return false;
    room->reservedValue = readInt(in);
    room->reservedFlags[0] = readInt(in) != 0;
    room->reservedFlags[1] = readInt(in) != 0;
    return readSpawns(in, index, room);
}

// The maze generator may ask for any door mask.
bool coversEveryMask(TokenStream* in, const int32_t templateCountByMask[MaskCount]) {
    for (int32_t mask = 0; mask < MaskCount; mask++) {
        if (templateCountByMask[mask] == 0) {
            rejectContent(in, "no template has door mask %d", mask);
            return false;
        }
    }
    return true;
}

}  // namespace

void freeRoomTemplates(RoomTemplate* templates, int32_t count) {
    for (int32_t i = 0; templates && i < count; i++) delete[] templates[i].spawns;
    delete[] templates;
}

void sortTemplatesByMask(RoomTemplate* templates, int32_t count, int32_t firstTemplateByMask[MaskCount],
                         int32_t templateCountByMask[MaskCount]) {
    for (int32_t mask = 0; mask < MaskCount; mask++) templateCountByMask[mask] = 0;
    for (int32_t i = 0; i < count; i++) templateCountByMask[templates[i].doorMask]++;
    firstTemplateByMask[0] = 0;
    for (int32_t mask = 1; mask < MaskCount; mask++) {
        firstTemplateByMask[mask] = firstTemplateByMask[mask - 1] + templateCountByMask[mask - 1];
    }
    // Each template goes to the next free place of its mask, so equal masks keep their order.
    RoomTemplate* unsorted = new RoomTemplate[count];
    memcpy(unsorted, templates, sizeof(RoomTemplate) * count);
    int32_t nextPlace[MaskCount];
    memcpy(nextPlace, firstTemplateByMask, sizeof nextPlace);
    for (int32_t i = 0; i < count; i++) templates[nextPlace[unsorted[i].doorMask]++] = unsorted[i];
    delete[] unsorted;
}

int32_t loadRoomTemplates(const char* path, RoomTemplate** templates, int32_t firstTemplateByMask[MaskCount],
                          int32_t templateCountByMask[MaskCount]) {
    TokenStream in;
    if (!openTokens(&in, path)) return -1;
    int32_t count;
    if (!readIntInRange(&in, 1, MaxTemplates, "template count", &count)) {
        closeTokens(&in);
        return -1;
    }
    RoomTemplate* read = new RoomTemplate[count]();
    for (int32_t i = 0; i < count && readTemplate(&in, i, &read[i]); i++) {
    }
    int32_t first[MaskCount], counts[MaskCount];
    if (!in.failed) {
        sortTemplatesByMask(read, count, first, counts);
        in.place[0] = '\0';
        coversEveryMask(&in, counts);
    }
    closeTokens(&in);
    if (in.failed) {
        freeRoomTemplates(read, count);
        return -1;
    }
    *templates = read;
    memcpy(firstTemplateByMask, first, sizeof first);
    memcpy(templateCountByMask, counts, sizeof counts);
    return count;
}
