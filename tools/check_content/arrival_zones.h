// Where the player arrives in a room through each door of its template: the boxes
// its own box passes through before it can look around.
#pragma once
#include <vector>

#include "content/room_template.h"
#include "tools/check_content/box_gap.h"

struct ArrivalZone {
    const char* door;  // "the left door", ...
    Box box;           // room pixels
};

// A side door's opening; the ladder climbed up from a door below, up to standing on
// its top; and each column of a door above, down to the first floor a fall meets.
std::vector<ArrivalZone> arrivalZones(const RoomTemplate& room);
