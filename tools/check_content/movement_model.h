// A conservative model of where the player can go. It walks, jumps, falls, drops
// through platforms and climbs ladders with the game's own moves (moveVertical,
// moveHorizontal, checkLadder on the world's player), holding the arrows in only
// a few plain ways, so every spot it reaches a player can reach too.
#pragma once
#include <cstdint>
#include <vector>

struct Spot {
    int32_t x;  // the player's top-left corner at the start of a pass
    int32_t y;
    bool onLadder;  // hanging on a ladder, which it leaves only by jumping; else standing
};

// Prepares the world's player as the model's probe.
void startMovementModel();

// The spot where a player let go at (x, y) comes to rest, and the passes it falls;
// false when it never lands.
bool restAfterFall(int32_t x, int32_t y, Spot* rest, int32_t* passes);

// Every spot one move away from a spot.
void movesFrom(const Spot& from, std::vector<Spot>* out);

// The player's box there sits in a wall or a breakable block, as after a fall too fast for a floor.
bool insideWall(const Spot& spot);
