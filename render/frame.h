// Drawing one whole frame: rooms, figures, shots, the health bar and, at first, the key legend.
#pragma once

void renderFrame();
// The frame of the pass last played, again, with the pause sign over it; shown.
void renderPausedFrame();
// The frame drawn but not shown, and waited for: the next frame's clear erases it.
void warmDrawing();
