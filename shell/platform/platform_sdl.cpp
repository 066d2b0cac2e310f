// The platform on SDL 1.2.
#include <SDL.h>

#include "shell/platform.h"

uint8_t* platformKeyState() { return SDL_GetKeyState(nullptr); }

bool platformPollEvent(InputEvent* event) {
    SDL_Event sdlEvent;
    if (!SDL_PollEvent(&sdlEvent)) return false;
    event->type = EventOther;
    event->key = 0;
    if (sdlEvent.type == SDL_QUIT) event->type = EventQuit;
    if (sdlEvent.type == SDL_KEYDOWN || sdlEvent.type == SDL_KEYUP) {
        event->type = sdlEvent.type == SDL_KEYDOWN ? EventKeyDown : EventKeyUp;
        event->key = sdlEvent.key.keysym.sym;
    }
    return true;
}

void platformDelay(uint32_t milliseconds) { SDL_Delay(milliseconds); }

void platformSwapBuffers() { SDL_GL_SwapBuffers(); }
