// The player's ladder test and climbing step.
#pragma once
#include <cstdint>

class Player;

// checkLadder results.
enum LadderResult : int32_t {
    LadderNone = 0,
    LadderStill = 12,
    LadderUp = 13,
    LadderDown = 14,
    LadderAttack = 15,
};

LadderResult checkLadder(Player* player);
