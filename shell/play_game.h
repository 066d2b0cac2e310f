// One whole game from an open GL context: World, content, setup, loop.
#pragma once

// Allocates the World and makes it the global one; false (with a message) when it cannot.
bool createWorld();
// Loads the content and sets up the world, as start-up does; false on bad content.
bool prepareWorld();
void destroyWorld();

// Exit status: 0 after a finished game, non-zero when it could not start.
int playGame();
