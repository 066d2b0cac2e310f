// Which player action each key stands for.
#pragma once
#include <cstdint>

// The PlayerAction of a mapped key, or -1 (Escape, which quits, is not an action).
int32_t actionOfKey(int32_t key);
