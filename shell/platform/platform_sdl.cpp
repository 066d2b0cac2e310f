// The platform on SDL 1.2.
#include <SDL.h>

#include <chrono>

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

void platformDelay(uint32_t milliseconds, void (*warm)()) {
    auto ends = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    if (warm) warm();
    // Rounded up, since SDL waits whole milliseconds: the delay is never shorter than asked.
    auto left = std::chrono::ceil<std::chrono::milliseconds>(ends - std::chrono::steady_clock::now()).count();
    SDL_Delay(left > 0 ? uint32_t(left) : 0);
}

void platformSwapBuffers() { SDL_GL_SwapBuffers(); }
