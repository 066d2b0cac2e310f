#include "shell/platform/pad_sdl.h"

int32_t lookAtPad(SDL_Joystick* pad, const PadLayout& layout, uint32_t now, PadState* state, EventQueue* queue) {
    PadReading reading = {};
    if (pad) {
        SDL_JoystickUpdate();
        // Buttons and axes the pad lacks read as zero.
        for (int button = 0; button < PadButtons; button++)
            reading.buttons[button] = SDL_JoystickGetButton(pad, button);
        for (int axis = 0; axis < StickAxes; axis++) reading.axes[axis] = SDL_JoystickGetAxis(pad, axis);
        reading.hat = SDL_JoystickGetHat(pad, 0);
    }
    int32_t ask = readPad(state, layout, reading, now, queue);
    if (ask == PadAsksQuit) queueEvent(queue, InputEvent{EventQuit, 0});
    return ask;
}
