// The start of play, and the way back to it.
#pragma once

// The player at its start, whole, and the camera on the start room.
void placePlayerAtStart();

// Back to the start of play after the player has been hit with no health left.
void restartGame();
