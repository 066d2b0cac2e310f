#include "tools/check_content/arrival_zones.h"

#include "actors/player_tuning.h"
#include "tools/check_content/cell_kinds.h"
#include "tools/check_content/door_convention.h"

namespace {

constexpr int32_t LastTile = RoomTiles - 1;
constexpr int32_t ClimberX = LadderCol * TilePixels - 1;  // a climber hangs one pixel left of the ladder

Box cells(int32_t row0, int32_t col0, int32_t row1, int32_t col1) {
    return Box{col0 * TilePixels, row0 * TilePixels, (col1 + 1) * TilePixels, (row1 + 1) * TilePixels};
}

}  // namespace

std::vector<ArrivalZone> arrivalZones(const RoomTemplate& room) {
    std::vector<ArrivalZone> zones;
    if (room.doorMask & DoorLeft) zones.push_back({"the left door", cells(SideDoorTopRow, 0, SideDoorBottomRow, 0)});
    if (room.doorMask & DoorRight) {
        zones.push_back({"the right door", cells(SideDoorTopRow, LastTile, SideDoorBottomRow, LastTile)});
    }
    if (room.doorMask & DoorDown) {
        int32_t top = LastTile;
        while (top > 0 && isLadder(classAt(room, top - 1, LadderCol))) top--;
        zones.push_back(
            {"the door below", Box{ClimberX, top * TilePixels - PlayerHeight, ClimberX + PlayerWidth, RoomPixels}});
    }
    if (room.doorMask & DoorUp) {
        for (int32_t col = ShaftLeftCol; col <= ShaftRightCol; col++) {
            int32_t floor = 0;
            while (floor < LastTile && !bearsWeight(classAt(room, floor, col)) && !blocks(classAt(room, floor, col))) {
                floor++;
            }
            zones.push_back({"the door above", cells(0, col, floor - 1, col)});
        }
    }
    return zones;
}
