// The main loop: one pass per 50 ms delay plus its work.
#pragma once

constexpr int PassDelayMs = 50;
constexpr int MaxEventsPerPass = 1024;  // the rest of a flood waits for the next pass

// Places the player and the camera before the first pass.
void startPlay();
// The pass's moves without input or drawing: the player, the enemies, the projectiles.
void simulatePass();
// One pass in the game's order. False once a quit request has arrived. warm, if given,
// is drawing done inside the pass's delay (see platformDelay).
bool runPass(void (*warm)() = nullptr);
// Passes, and pauses when the platform asks, until the player quits.
void runMainLoop();
