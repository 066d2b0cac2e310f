// Drawing one whole frame: rooms, figures, shots and the health bar.
#pragma once

void renderFrame();
