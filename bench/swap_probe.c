/* Preloaded into the real game, it measures the pass period without changing
   the game: after every buffer swap it writes one line to the file named by
   SWAP_PROBE_FILE, "<swap> <delay start> <delay end>", in nanoseconds of the
   monotonic clock, the delay being the last SDL_Delay before that swap
   ("0 0" when there was none). Without the variable it writes nothing. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

static int64_t delayStart;
static int64_t delayEnd;
static int output = -1;
static int givenUp; /* no file named, or it went bad: write nothing more */

static int64_t now(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (int64_t)t.tv_sec * 1000000000 + t.tv_nsec;
}

static void* realFunction(const char* name) { return dlsym(RTLD_NEXT, name); }

void SDL_Delay(uint32_t milliseconds) {
    static void (*real)(uint32_t);
    if (!real) real = (void (*)(uint32_t))realFunction("SDL_Delay");
    delayStart = now();
    if (real) real(milliseconds);
    delayEnd = now();
}

void SDL_GL_SwapBuffers(void) {
    static void (*real)(void);
    if (!real) real = (void (*)(void))realFunction("SDL_GL_SwapBuffers");
    if (real) real();
    int64_t swapped = now();

    if (givenUp) return;
    if (output < 0) {
        const char* path = getenv("SWAP_PROBE_FILE");
        output = path ? open(path, O_WRONLY | O_CREAT | O_TRUNC | O_APPEND, 0644) : -1;
        givenUp = output < 0;
        if (givenUp) return;
    }
    /* One write per line, so that a reader never sees half of one. */
    char line[80];
    int length =
        snprintf(line, sizeof line, "%lld %lld %lld\n", (long long)swapped, (long long)delayStart, (long long)delayEnd);
    if (write(output, line, length) != length) {
        close(output);
        givenUp = 1;
    }
}
