// One whole game from an open GL context: World, content, setup, loop.
#pragma once

// Exit status: 0 after a finished game, non-zero when it could not start.
int playGame();
