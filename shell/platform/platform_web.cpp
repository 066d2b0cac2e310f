// The platform in a web browser: keys from the page, a pad through the browser's Gamepad API, each
// pass's wait handed back to the browser, which shows the frame drawn before it. The page owns leaving:
// Escape, a hidden tab or a page without the focus pause the game instead.
#include <SDL.h>
#include <emscripten.h>
#include <emscripten/html5.h>

#include "shell/key_map.h"
#include "shell/platform.h"
#include "shell/platform/event_queue.h"
#include "shell/platform/game_pad.h"
#include "shell/platform/pad_sdl.h"
#include "shell/platform/sound_sdl.h"

namespace {

constexpr uint32_t PausedPollMs = 50;  // while paused, how often the pad is read

EventQueue events;
SDL_Joystick* pad = nullptr;
PadState padState;
bool pageLeft = false;   // the tab hidden or the page without the focus
bool pauseWish = false;  // Escape or Start
bool paused = false;
bool resumeAsked = false;
bool quitAsked = false;

// The browser's key codes as SDL 1.2's key symbols; 0 for keys the game never sees.
int32_t keySymbolOf(const EmscriptenKeyboardEvent& event) {
    bool right = event.location == DOM_KEY_LOCATION_RIGHT;
    int32_t code = static_cast<int32_t>(event.keyCode);
    if (code >= 'A' && code <= 'Z') return code - 'A' + 'a';
    switch (code) {
    case 16: return right ? KeyRightShift : KeyLeftShift;
    case 17: return right ? KeyRightControl : KeyLeftControl;
    case 37: return KeyLeft;
    case 38: return KeyUp;
    case 39: return KeyRight;
    case 40: return KeyDown;
    case KeyEscape:
    case KeySpace: return code;
    default: return 0;
    }
}

// A pause asked for while playing, or the end of one while paused.
void pauseOrPlayOn() { (paused ? resumeAsked : pauseWish) = true; }

EM_BOOL onKey(int eventType, const EmscriptenKeyboardEvent* event, void*) {
    int32_t key = keySymbolOf(*event);
    if (key == 0) return EM_FALSE;
    bool down = eventType == EMSCRIPTEN_EVENT_KEYDOWN;
    // Escape never reaches the game, which would end: it pauses, and plays on, as other keys do.
    if (key == KeyEscape) {
        if (down && !event->repeat) pauseOrPlayOn();
    } else {
        if (down && paused) resumeAsked = true;
        queueKeyChange(&events, key, SourceKeyboard, down);
    }
    // Keeps the game's keys from scrolling the page or pressing its button.
    return key == KeyEscape || actionOfKey(key) >= 0;
}

// Keys let go of in another window never come back as key-ups.
EM_BOOL onBlur(int, const EmscriptenFocusEvent*, void*) {
    releaseKeys(&events);
    pageLeft = true;
    return EM_FALSE;
}

EM_BOOL onFocus(int, const EmscriptenFocusEvent*, void*) {
    pageLeft = false;
    if (paused) resumeAsked = true;
    return EM_FALSE;
}

EM_BOOL onVisibility(int, const EmscriptenVisibilityChangeEvent* event, void*) {
    if (event->hidden) pageLeft = true;
    return EM_FALSE;
}

// The whole page's keys, wherever its focus is.
bool listen() {
    emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, nullptr, EM_TRUE, onKey);
    emscripten_set_keyup_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, nullptr, EM_TRUE, onKey);
    // Not captured: the page's own buttons losing the focus are not the page losing it.
    emscripten_set_blur_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE, onBlur);
    emscripten_set_focus_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE, onFocus);
    emscripten_set_visibilitychange_callback(nullptr, EM_TRUE, onVisibility);
    return true;
}

// The browser lists a pad, in any of its places, once one of its buttons has been pressed; one pulled
// out reads as all zero.
void readPadNow() {
    for (int place = 0; !pad && place < SDL_NumJoysticks(); place++) pad = SDL_JoystickOpen(place);
    int32_t ask = lookAtPad(pad, BrowserPad, uint32_t(emscripten_get_now()), &padState, &events);
    if (ask == PadAsksStart) pauseOrPlayOn();
    if (ask == PadAsksQuit) quitAsked = true;
}

}  // namespace

uint8_t* platformKeyState() { return events.keyState; }

bool platformPollEvent(InputEvent* event) {
    static const bool listening = listen();
    if (listening) readPadNow();
    return takeEvent(&events, event);
}

// Nothing is warmed: the browser would show the frame when the delay hands control back.
void platformDelay(uint32_t milliseconds, void (*)()) { emscripten_sleep(milliseconds); }

// The browser shows the frame when the next delay hands control back; the page counts them.
void platformSwapBuffers() { EM_ASM(if (Module.onFrameDrawn) Module.onFrameDrawn();); }

// The page offers another game and says when the player takes it.
bool platformPlayAgain() {
    EM_ASM(Module.offerPlayAgain(););
    while (!EM_ASM_INT(return Module.playAgainTaken)) emscripten_sleep(PausedPollMs);
    EM_ASM(Module.playAgainTaken = false;);
    clearEvents(&events);
    padState = {};
    return true;
}

bool platformPauseAsked() { return pageLeft || pauseWish; }

void platformEnterPause() {
    paused = true;
    resumeAsked = quitAsked = false;
    releaseKeys(&events);
    pauseSound(true);
}

int32_t platformWaitPaused(uint32_t milliseconds) {
    for (uint32_t waited = 0; waited < milliseconds; waited += PausedPollMs) {
        emscripten_sleep(PausedPollMs);
        readPadNow();
        if (quitAsked) return PauseQuits;
        if (resumeAsked) {
            paused = pageLeft = pauseWish = false;
            pauseSound(false);
            return PauseEnds;
        }
    }
    return EM_ASM_INT(return document.hidden) ? PauseGoesOnHidden : PauseGoesOn;
}
