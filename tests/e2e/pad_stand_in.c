/* Preloaded into the real game in place of SDL 1.2's joystick calls: one pad, as the file named by
   PAD_STATE last says, read at every SDL_JoystickUpdate: "PRESENT B0 .. B15 X Y" (integers; PRESENT 0
   is a pad pulled out, reading all zero). It also notes the game's doings in the file named by
   PAD_NOTES, one line each: "swap", and "effect N" for the Nth effect loaded (from 0) when it plays. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

enum { Buttons = 16, Effects = 32 };
static int present, buttons[Buttons], axes[2];
static void* effects[Effects];
static int effectCount;
static char pad; /* its address is the pad */

static void note(const char* what, int number) {
    static FILE* notes;
    if (!notes && getenv("PAD_NOTES")) notes = fopen(getenv("PAD_NOTES"), "w");
    if (!notes) return;
    fprintf(notes, number < 0 ? "%s\n" : "%s %d\n", what, number);
    fflush(notes);
}

static void* real(const char* name) { return dlsym(RTLD_NEXT, name); }

static void readState(void);

int SDL_NumJoysticks(void) {
    readState();
    return present;
}
void* SDL_JoystickOpen(int index) { return present && index == 0 ? &pad : NULL; }
void SDL_JoystickClose(void* joystick) { (void)joystick; }
int SDL_JoystickEventState(int state) { return state; }
int SDL_JoystickNumButtons(void* joystick) { return joystick == &pad ? 15 : 0; }
int SDL_JoystickNumAxes(void* joystick) { return joystick == &pad ? 6 : 0; }
uint8_t SDL_JoystickGetButton(void* joystick, int button) {
    return joystick == &pad && button >= 0 && button < Buttons && present ? (uint8_t)buttons[button] : 0;
}
int16_t SDL_JoystickGetAxis(void* joystick, int axis) {
    return joystick == &pad && axis >= 0 && axis < 2 && present ? (int16_t)axes[axis] : 0;
}

void SDL_JoystickUpdate(void) { readState(); }

static void readState(void) {
    FILE* state = getenv("PAD_STATE") ? fopen(getenv("PAD_STATE"), "r") : NULL;
    if (!state) return;
    int values[1 + Buttons + 2];
    int read = 0;
    while (read < 1 + Buttons + 2 && fscanf(state, "%d", &values[read]) == 1) read++;
    fclose(state);
    if (read < 1 + Buttons + 2) return;
    present = values[0];
    for (int i = 0; i < Buttons; i++) buttons[i] = values[1 + i];
    axes[0] = values[1 + Buttons];
    axes[1] = values[2 + Buttons];
}

void SDL_GL_SwapBuffers(void) {
    static void (*swap)(void);
    if (!swap) swap = (void (*)(void))real("SDL_GL_SwapBuffers");
    swap();
    note("swap", -1);
}

void* Mix_LoadWAV_RW(void* source, int freeSource) {
    static void* (*load)(void*, int);
    if (!load) load = (void* (*)(void*, int))real("Mix_LoadWAV_RW");
    void* chunk = load(source, freeSource);
    if (effectCount < Effects) effects[effectCount++] = chunk;
    return chunk;
}

int Mix_PlayChannelTimed(int channel, void* chunk, int loops, int ticks) {
    static int (*play)(int, void*, int, int);
    if (!play) play = (int (*)(int, void*, int, int))real("Mix_PlayChannelTimed");
    for (int i = 0; i < effectCount; i++) {
        if (effects[i] == chunk) note("effect", i);
    }
    return play(channel, chunk, loops, ticks);
}
