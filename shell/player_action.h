// What the key mapping passes to the player.
#pragma once
#include <cstdint>

enum PlayerAction : int32_t {
    ActionJump = 0,
    ActionLeft = 1,
    ActionUp = 2,
    ActionRight = 3,
    ActionDown = 4,
    ActionFire = 5,
    ActionShift = 6,
    ActionX = 7,
    ActionZ = 8,
};
