/* Preloaded into a program by run_bench.py, it times the stages of its start
   without changing it: for each watched kind of call, the first call's start,
   the last call's end and the number of calls, in nanoseconds of the monotonic
   clock. Once the first frame is swapped (or the program ends), it writes one
   line per kind, "<kind> <first start> <last end> <calls>", to the file named
   by START_PROBE_FILE. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <stdarg.h>
#include <stdbool.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

enum Kind {
    Loaded, /* every library mapped and relocated */
    Main,   /* the program's main entered, static constructors run */
    SdlInit,
    AudioInit, /* SDL_InitSubSystem for audio alone: the sound side starting it */
    VideoMode,
    OpenAudio,
    LoadSound,   /* the effects', before the content: a scenery set's bed loads with its pictures */
    DataFile,    /* from opening a file under data/ (the effects' aside) to closing it */
    MazePicture, /* from making the maze picture's file to renaming it into place */
    Upload,
    Clear, /* the first frame's start, drawn inside the first delay or after it */
    Delay, /* the first SDL_Delay only */
    Swap,  /* the first swap only */
    KindCount
};

static const char* const kindNames[KindCount] = {
    "loaded",        "main",           "SDL_Init",           "SDL_InitSubSystem", "SDL_SetVideoMode",
    "Mix_OpenAudio", "Mix_LoadWAV_RW", "data_file",          "maze_picture",      "glTexImage2D",
    "glClear",       "SDL_Delay",      "SDL_GL_SwapBuffers",
};

struct Span {
    int64_t first, last, calls;
};

static const uint32_t AudioOnly = 0x10; /* SDL_INIT_AUDIO */

static struct Span spans[KindCount];
static int dataFiles[64]; /* open descriptors of data files, as 1 + fd; 0 is free */
static int written;

static int64_t now(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (int64_t)t.tv_sec * 1000000000 + t.tv_nsec;
}

static void* real(const char* name) { return dlsym(RTLD_NEXT, name); }

/* Calls may come from a loading thread as well as the main one. */
static void begin(enum Kind kind, int64_t at) {
    int64_t unset = 0;
    __atomic_compare_exchange_n(&spans[kind].first, &unset, at, 0, __ATOMIC_SEQ_CST, __ATOMIC_SEQ_CST);
    __atomic_add_fetch(&spans[kind].calls, 1, __ATOMIC_SEQ_CST);
}

static void end(enum Kind kind, int64_t at) {
    int64_t last = __atomic_load_n(&spans[kind].last, __ATOMIC_SEQ_CST);
    while (last < at &&
           !__atomic_compare_exchange_n(&spans[kind].last, &last, at, 0, __ATOMIC_SEQ_CST, __ATOMIC_SEQ_CST)) {
    }
}

static void mark(enum Kind kind) {
    int64_t at = now();
    begin(kind, at);
    end(kind, at);
}

/* Written aside and renamed into place, so that a reader never sees half of it. */
static void writeSpans(void) {
    if (__atomic_exchange_n(&written, 1, __ATOMIC_SEQ_CST)) return;
    const char* path = getenv("START_PROBE_FILE");
    char aside[4096];
    if (!path || snprintf(aside, sizeof aside, "%s.part", path) >= (int)sizeof aside) return;
    FILE* file = fopen(aside, "w");
    if (!file) return;
    for (int kind = 0; kind < KindCount; kind++) {
        fprintf(file, "%s %lld %lld %lld\n", kindNames[kind], (long long)spans[kind].first, (long long)spans[kind].last,
                (long long)spans[kind].calls);
    }
    int (*move)(const char*, const char*) = real("rename"); /* not this probe's own, which times the maze */
    if (fclose(file) == 0) move(aside, path);
}

__attribute__((constructor)) static void loaded(void) { mark(Loaded); }
__attribute__((destructor)) static void unloaded(void) { writeSpans(); }

typedef int (*MainFunction)(int, char**, char**);
static MainFunction realMain;

static int timedMain(int argc, char** argv, char** environment) {
    mark(Main);
    return realMain(argc, argv, environment);
}

int __libc_start_main(MainFunction main, int argc, char** argv, void (*init)(void), void (*fini)(void),
                      void (*rtldFini)(void), void* stackEnd) {
    int (*start)(MainFunction, int, char**, void (*)(void), void (*)(void), void (*)(void), void*) =
        real("__libc_start_main");
    realMain = main;
    return start(timedMain, argc, argv, init, fini, rtldFini, stackEnd);
}

/* One watched call: its span widened by this call's start and end. */
#define TIMED(kind, type, call) \
    int64_t started = now();    \
    type result = call;         \
    begin(kind, started);       \
    end(kind, now());           \
    return result

int SDL_Init(uint32_t flags) {
    static int (*f)(uint32_t);
    if (!f) f = real("SDL_Init");
    TIMED(SdlInit, int, f(flags));
}

int SDL_InitSubSystem(uint32_t flags) {
    static int (*f)(uint32_t);
    if (!f) f = real("SDL_InitSubSystem");
    if (flags != AudioOnly) return f(flags); /* SDL's own calls inside SDL_SetVideoMode */
    TIMED(AudioInit, int, f(flags));
}

void* SDL_SetVideoMode(int width, int height, int bpp, uint32_t flags) {
    static void* (*f)(int, int, int, uint32_t);
    if (!f) f = real("SDL_SetVideoMode");
    TIMED(VideoMode, void*, f(width, height, bpp, flags));
}

int Mix_OpenAudio(int frequency, uint16_t format, int channels, int chunkSize) {
    static int (*f)(int, uint16_t, int, int);
    if (!f) f = real("Mix_OpenAudio");
    TIMED(OpenAudio, int, f(frequency, format, channels, chunkSize));
}

void* Mix_LoadWAV_RW(void* source, int freeSource) {
    static void* (*f)(void*, int);
    if (!f) f = real("Mix_LoadWAV_RW");
    if (spans[DataFile].calls) return f(source, freeSource);
    TIMED(LoadSound, void*, f(source, freeSource));
}

void glTexImage2D(unsigned target, int level, int internalFormat, int width, int height, int border, unsigned format,
                  unsigned type, const void* pixels) {
    static void (*f)(unsigned, int, int, int, int, int, unsigned, unsigned, const void*);
    if (!f) f = real("glTexImage2D");
    begin(Upload, now());
    f(target, level, internalFormat, width, height, border, format, type, pixels);
    end(Upload, now());
}

void glClear(unsigned mask) {
    static void (*f)(unsigned);
    if (!f) f = real("glClear");
    if (!spans[Clear].calls) mark(Clear);
    f(mask);
}

int open(const char* path, int flags, ...) {
    static int (*f)(const char*, int, ...);
    if (!f) f = real("open");
    va_list arguments;
    va_start(arguments, flags);
    int mode = (flags & (O_CREAT | O_TMPFILE)) ? va_arg(arguments, int) : 0;
    va_end(arguments);
    int64_t started = now();
    int fd = f(path, flags, mode);
    bool content = strncmp(path, "data/", 5) == 0 && strncmp(path, "data/sounds/", 12) != 0;
    if (content && fd >= 0 && fd < 64) {
        begin(DataFile, started);
        dataFiles[fd] = 1;
    }
    return fd;
}

int fclose(FILE* file) {
    static int (*f)(FILE*);
    if (!f) f = real("fclose");
    int fd = fileno(file);
    int result = f(file);
    if (fd >= 0 && fd < 64 && __atomic_exchange_n(&dataFiles[fd], 0, __ATOMIC_SEQ_CST)) end(DataFile, now());
    return result;
}

int mkstemp(char* pattern) {
    static int (*f)(char*);
    if (!f) f = real("mkstemp");
    begin(MazePicture, now());
    return f(pattern);
}

int rename(const char* from, const char* to) {
    static int (*f)(const char*, const char*);
    if (!f) f = real("rename");
    int result = f(from, to);
    end(MazePicture, now());
    return result;
}

void SDL_Delay(uint32_t milliseconds) {
    static void (*f)(uint32_t);
    if (!f) f = real("SDL_Delay");
    int64_t started = now();
    f(milliseconds);
    if (!spans[Delay].calls) {
        begin(Delay, started);
        end(Delay, now());
    }
}

void SDL_GL_SwapBuffers(void) {
    static void (*f)(void);
    if (!f) f = real("SDL_GL_SwapBuffers");
    int64_t started = now();
    f();
    if (!spans[Swap].calls) {
        begin(Swap, started);
        end(Swap, now());
        writeSpans();
    }
}
