// The platform on SDL 1.2: the keyboard and a game pad through one queue, the window's focus, the pause.
#include <SDL.h>

#include <algorithm>
#include <chrono>

#include "shell/platform.h"
#include "shell/platform/event_queue.h"
#include "shell/platform/game_pad.h"
#include "shell/platform/pad_sdl.h"
#include "shell/platform/sound_sdl.h"

namespace {

constexpr uint32_t PadLookMs = 2000;   // how often to look for a pad plugged in since
constexpr uint32_t PausedPollMs = 50;  // while paused, how often the pad and the window are read

EventQueue events;
PadState padState;
SDL_Joystick* pad = nullptr;
uint32_t padLookedAt = 0;
bool focused = true;    // the window has the input focus
bool shown = true;      // the window is not minimised
bool exposed = false;   // the window has been uncovered since the last paused frame
bool padPause = false;  // Start asked for a pause
bool paused = false;
bool resumeAsked = false;
bool quitAsked = false;

// The compatibility SDL lists pads only when its joystick part starts, so that part is started again,
// every two seconds while no pad is open or the open one holds nothing, to find one plugged in later.
// A pad pulled out reads as all zero: what it held is let go of, and the next look drops it.
void lookForPad() {
    uint32_t now = SDL_GetTicks();
    if (padLookedAt != 0 && now - padLookedAt < PadLookMs) return;
    padLookedAt = now | 1;
    if (pad && !padIdle(padState, events)) return;
    if (pad) SDL_JoystickClose(pad);
    pad = nullptr;
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) return;
    SDL_JoystickEventState(SDL_IGNORE);
    if (SDL_NumJoysticks() > 0) pad = SDL_JoystickOpen(0);
}

void readPadNow() {
    int32_t ask = lookAtPad(pad, PAD_LAYOUT, SDL_GetTicks(), &padState, &events);
    if (ask == PadAsksQuit) quitAsked = true;
    if (ask == PadAsksStart) {
        resumeAsked = paused;
        padPause = !paused;
    }
}

void takeWindowEvent(const SDL_Event& sdlEvent) {
    switch (sdlEvent.type) {
    case SDL_QUIT:
        quitAsked = true;
        queueEvent(&events, InputEvent{EventQuit, 0});
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        bool down = sdlEvent.type == SDL_KEYDOWN;
        int32_t key = sdlEvent.key.keysym.sym;
        queueKeyChange(&events, key, SourceKeyboard, down);
        if (down && paused) (key == KeyEscape ? quitAsked : resumeAsked) = true;
        break;
    }
    case SDL_ACTIVEEVENT:
        if (sdlEvent.active.state & SDL_APPINPUTFOCUS) focused = sdlEvent.active.gain != 0;
        if (sdlEvent.active.state & SDL_APPACTIVE) shown = sdlEvent.active.gain != 0;
        if (focused && shown && paused) resumeAsked = true;
        break;
    case SDL_VIDEOEXPOSE: exposed = true; break;
    default: break;
    }
}

void pump() {
    SDL_Event sdlEvent;
    while (SDL_PollEvent(&sdlEvent)) takeWindowEvent(sdlEvent);
    readPadNow();
}

}  // namespace

uint8_t* platformKeyState() { return events.keyState; }

bool platformPollEvent(InputEvent* event) {
    pump();
    return takeEvent(&events, event);
}

void platformDelay(uint32_t milliseconds, void (*warm)()) {
    auto ends = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    if (warm) warm();
    lookForPad();
    // Rounded up, since SDL waits whole milliseconds: the delay is never shorter than asked.
    auto left = std::chrono::ceil<std::chrono::milliseconds>(ends - std::chrono::steady_clock::now()).count();
    SDL_Delay(left > 0 ? uint32_t(left) : 0);
}

void platformSwapBuffers() { SDL_GL_SwapBuffers(); }

bool platformPlayAgain() { return false; }

bool platformPauseAsked() { return !focused || !shown || padPause; }

void platformEnterPause() {
    paused = true;
    resumeAsked = quitAsked = exposed = false;
    releaseKeys(&events);
    pauseSound(true);
}

int32_t platformWaitPaused(uint32_t milliseconds) {
    uint32_t start = SDL_GetTicks();
    for (;;) {
        pump();
        lookForPad();
        if (quitAsked) return PauseQuits;
        if (resumeAsked) break;
        uint32_t spent = SDL_GetTicks() - start;
        if (exposed || spent >= milliseconds) {
            exposed = false;
            return shown ? PauseGoesOn : PauseGoesOnHidden;
        }
        SDL_Delay(std::min(PausedPollMs, milliseconds - spent));
    }
    paused = padPause = false;
    focused = shown = true;
    pauseSound(false);
    return PauseEnds;
}
