/* Preloaded into the real game in place of SDL 1.2's joystick calls: one pad, as the file named by
   PAD_STATE says when the game looks: "PRESENT B0 .. B15 X Y" (PRESENT 0: pulled out, reads all zero). */
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

enum { Buttons = 16, Values = 1 + Buttons + 2 };
static int state[Values]; /* present, the buttons, the stick */
static char pad;          /* its address is the pad */

void SDL_JoystickUpdate(void) {
    FILE* file = getenv("PAD_STATE") ? fopen(getenv("PAD_STATE"), "r") : NULL;
    int values[Values], read = 0;
    while (file && read < Values && fscanf(file, "%d", &values[read]) == 1) read++;
    if (file) fclose(file);
    for (int i = 0; read == Values && i < Values; i++) state[i] = values[i];
}
int SDL_NumJoysticks(void) { return SDL_JoystickUpdate(), state[0]; }
void* SDL_JoystickOpen(int index) { return state[0] && index == 0 ? &pad : NULL; }
void SDL_JoystickClose(void* joystick) { (void)joystick; }
int SDL_JoystickEventState(int wanted) { return wanted; }
uint8_t SDL_JoystickGetButton(void* joystick, int button) {
    return joystick == &pad && state[0] && button >= 0 && button < Buttons ? (uint8_t)state[1 + button] : 0;
}
uint8_t SDL_JoystickGetHat(void* joystick, int hat) { return (void)joystick, (void)hat, 0; }
int16_t SDL_JoystickGetAxis(void* joystick, int axis) {
    return joystick == &pad && state[0] && axis >= 0 && axis < 2 ? (int16_t)state[1 + Buttons + axis] : 0;
}
