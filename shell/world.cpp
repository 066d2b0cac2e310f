#include "shell/world.h"

World* world = nullptr;
int32_t actorCursor = 0;
int32_t projectileCursor = 0;
