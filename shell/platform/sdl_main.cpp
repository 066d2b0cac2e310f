// The program's entry: SDL, the one video mode, the fixed drawing state, one game.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "render/drawing_state.h"
#include "shell/numbers.h"
#include "shell/os/os.h"
#include "shell/platform/sound_sdl.h"
#include "shell/platform.h"
#include "shell/play_game.h"

// Neither SDL 1.2 implementation declares or calls SDL_main on Linux; on Windows,
// SDL's start-up library calls it, after sending its output to files.
extern "C" int SDL_main(int argc, char* argv[]);

// Without a display SDL falls back to a driver that shows nothing: a game
// there runs where nobody can see or stop it.
static bool driverShowsNothing() {
    char name[32] = "";
    SDL_VideoDriverName(name, sizeof name);
    return strcmp(name, "offscreen") == 0 || strcmp(name, "dummy") == 0;
}

static bool openVideoMode() {
    if (driverShowsNothing()) {
        SDL_SetError("no graphical display to show the game on");
        return false;
    }
    return SDL_SetVideoMode(ScreenWidth, ScreenHeight, 32, SDL_FULLSCREEN | SDL_OPENGL | SDL_HWSURFACE) != nullptr;
}

extern "C" int SDL_main(int, char*[]) {
    // Started with a standard stream closed, the next file opened (the X connection)
    // would take its number and receive the game's messages.
    osFillClosedStandardStreams();
    osEnterGameFolder();
    // Audio is started by the sound side: a sound system that will not start costs the sound, not the game.
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        printf("Unable to init SDL: %s\n", SDL_GetError());
        return -1;
    }
    atexit(SDL_Quit);
    SDL_ShowCursor(SDL_DISABLE);
    SDL_WM_SetCaption("Cavern", "Cavern");
    if (!openVideoMode()) {
        printf("Could not set video mode: %s", SDL_GetError());
        return -1;
    }
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    setDrawingState();
    if (!openSound("data/sounds")) return 1;
    int status;
    do status = playGame();
    while (status == 0 && platformPlayAgain());
    closeSound();
    return status;
}
