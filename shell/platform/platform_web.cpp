// The platform in a web browser: keys from the page, each pass's wait handed back
// to the browser, which shows the frame drawn before it.
#include <emscripten.h>
#include <emscripten/html5.h>

#include "shell/key_map.h"
#include "shell/platform.h"
#include "shell/platform/event_queue.h"

namespace {

EventQueue events;
bool held[KeyStateSize];  // as queued: the browser repeats held keys, SDL 1.2 does not

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

void queueKey(int32_t key, bool down) {
    held[key] = down;
    queueEvent(&events, InputEvent{down ? EventKeyDown : EventKeyUp, key});
}

EM_BOOL onKey(int eventType, const EmscriptenKeyboardEvent* event, void*) {
    int32_t key = keySymbolOf(*event);
    if (key == 0) return EM_FALSE;
    bool down = eventType == EMSCRIPTEN_EVENT_KEYDOWN;
    if (held[key] != down) queueKey(key, down);
    // Keeps the game's keys from scrolling the page or pressing its button.
    return key == KeyEscape || actionOfKey(key) >= 0;
}

// Keys let go of in another window never come back as key-ups.
EM_BOOL onBlur(int, const EmscriptenFocusEvent*, void*) {
    for (int32_t key = 0; key < KeyStateSize; key++) {
        if (held[key]) queueKey(key, false);
    }
    return EM_FALSE;
}

// The whole page's keys, wherever its focus is.
bool listen() {
    emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, nullptr, EM_TRUE, onKey);
    emscripten_set_keyup_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, nullptr, EM_TRUE, onKey);
    emscripten_set_blur_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_TRUE, onBlur);
    return true;
}

}  // namespace

uint8_t* platformKeyState() { return events.keyState; }

bool platformPollEvent(InputEvent* event) {
    static const bool listening = listen();
    return listening && takeEvent(&events, event);
}

// Nothing is warmed: the browser would show the frame when the delay hands control back.
void platformDelay(uint32_t milliseconds, void (*)()) { emscripten_sleep(milliseconds); }

// The browser shows the frame when the next delay hands control back; the page counts them.
void platformSwapBuffers() { EM_ASM(if (Module.onFrameDrawn) Module.onFrameDrawn();); }

// The page has no pause yet: the browser stops a hidden tab's timers itself.
bool platformPauseAsked() { return false; }

void platformEnterPause() {}

int32_t platformWaitPaused(uint32_t) { return PauseEnds; }
