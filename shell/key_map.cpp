#include "shell/key_map.h"

#include "shell/platform.h"
#include "shell/player_action.h"

int32_t actionOfKey(int32_t key) {
    switch (key) {
    case KeySpace: return ActionJump;
    case KeyX: return ActionX;
    case KeyZ: return ActionZ;
    case KeyUp: return ActionUp;
    case KeyDown: return ActionDown;
    case KeyRight: return ActionRight;
    case KeyLeft: return ActionLeft;
    case KeyLeftShift: return ActionShift;
    case KeyLeftControl: return ActionFire;
    default: return -1;
    }
}
