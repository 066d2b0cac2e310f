// What the checker's rules make of a template cell's collision class.
#pragma once
#include <cstdint>

#include "content/room_template.h"

int32_t classAt(const RoomTemplate& room, int32_t row, int32_t col);

// Cells a box may not overlap, and cells that carry a walker.
bool blocks(int32_t cls);
bool bearsWeight(int32_t cls);
bool isLadder(int32_t cls);
