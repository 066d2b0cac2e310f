// The enemies in play: made when their room is entered, removed when dead or left behind.
#pragma once
#include <cstdint>

constexpr int ActorSlotCount = 128;

void spawnRoomEnemies(int32_t roomX, int32_t roomY);
void updateActors(int32_t roomX, int32_t roomY);
