// Drawing one room: its background and its tiles.
#pragma once
#include <cstdint>

void drawRoom(int32_t roomX, int32_t roomY, float screenX, float screenY);
