// The worlds the benchmarks time: the real World built from data/, with the
// player standing in the start room, quiet or with every table full.
#pragma once
#include "tools/offscreen/play_harness.h"

// Passes until the player has landed in the start room; false if it never does.
bool landInStartRoom(PlayHarness& harness);

// Every free enemy slot (all but the cursor's) gets an enemy in view, every
// free projectile record a shot in flight, and the player its full health,
// so the next pass runs with full tables and no restart.
void fillTables();

// How full the tables are.
int enemiesInPlay();
int projectilesInFlight();
