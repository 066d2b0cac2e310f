// The enemies in play: made when their room is entered, removed when dead or left behind.
#pragma once
#include <cstdint>

struct Room;

// Deletes every enemy in play and frees its slot.
void clearActorSlots();

void spawnRoomEnemies(int32_t roomX, int32_t roomY);
void updateActors(int32_t roomX, int32_t roomY);

// The used entries of a room's spawn list, never more than the list holds.
int32_t spawnListLength(const Room& room);
