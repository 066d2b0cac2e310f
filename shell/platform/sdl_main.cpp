// The program's entry: SDL, the one video mode, the fixed drawing state, one game.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>

#include "shell/numbers.h"
#include "render/drawing_state.h"
#include "shell/play_game.h"

// Neither SDL 1.2 implementation declares or calls SDL_main on Linux.
extern "C" int SDL_main(int argc, char* argv[]);

extern "C" int SDL_main(int, char*[]) {
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO) < 0) {
        printf("Unable to init SDL: %s\n", SDL_GetError());
        return -1;
    }
    atexit(SDL_Quit);
    SDL_ShowCursor(SDL_DISABLE);
    if (!SDL_SetVideoMode(ScreenWidth, ScreenHeight, 32, SDL_FULLSCREEN | SDL_OPENGL | SDL_HWSURFACE)) {
        printf("Could not set video mode: %s", SDL_GetError());
        fflush(stdout);
    }
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    setDrawingState();
    return playGame();
}

// A failed start must not look like success to whoever started the game.
int main(int argc, char* argv[]) { return SDL_main(argc, argv) == 0 ? EXIT_SUCCESS : EXIT_FAILURE; }
