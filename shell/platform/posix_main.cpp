// The process entry where SDL's start-up library has none (Linux, the browser).
#include <cstdlib>

extern "C" int SDL_main(int argc, char* argv[]);

// A failed start must not look like success to whoever started the game.
int main(int argc, char* argv[]) { return SDL_main(argc, argv) == 0 ? EXIT_SUCCESS : EXIT_FAILURE; }
