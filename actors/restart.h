// The way back to the start of play.
#pragma once

// Back to the start of play after the player has been hit with no health left.
void restartGame();
