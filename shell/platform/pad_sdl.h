// A game pad through SDL 1.2's joystick calls, which both the desktop's and the browser's SDL offer.
#pragma once
#include <SDL.h>

#include "shell/platform/game_pad.h"

// Reads the pad (none, or one pulled out, reads as all zero) into keys on the queue, and a quit request
// once Back has been held; returns the PadAsk. now is in ms.
int32_t lookAtPad(SDL_Joystick* pad, const PadLayout& layout, uint32_t now, PadState* state, EventQueue* queue);
