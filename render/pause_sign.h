// The sign over the last frame while the game is paused, and the key legend under it. It only reads the World.
#pragma once

// Drawn last, in the fixed drawing state, at the middle of the screen.
void drawPauseSign();
