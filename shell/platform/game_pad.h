// A game pad read as keys: its d-pad (buttons or a hat) and left stick are the arrows, its face
// buttons Space and Left Control, through the same queue as the keyboard. Each platform has its
// own button numbers.
#pragma once
#include <cstdint>

#include "shell/platform/event_queue.h"

constexpr int32_t PadButtons = 16;  // buttons read, from 0
constexpr int32_t StickAxes = 2;    // the left stick: x, then y (down positive)
constexpr uint32_t PadQuitHoldMs = 1000;

struct PadButtonKey {
    int32_t button;
    int32_t key;  // KeySymbol
};

struct PadLayout {
    const PadButtonKey* keys;  // the d-pad and the face buttons
    int32_t keyCount;
    int32_t start;  // pauses and resumes
    int32_t back;   // held, quits
};

// The layout SDL12COMPAT_USE_GAME_CONTROLLERS=1 gives every known pad, the browser's standard one,
// and the one Windows' own joystick driver gives an Xbox-style pad (its d-pad a hat).
extern const PadLayout DesktopPad;
extern const PadLayout BrowserPad;
extern const PadLayout WindowsPad;

// One look at the pad; all zero when there is none.
struct PadReading {
    uint8_t buttons[PadButtons];
    int16_t axes[StickAxes];
    uint8_t hat;  // the first hat's directions, as SDL gives them: 1 up, 2 right, 4 down, 8 left
};

struct PadState {
    uint8_t stickOn[2 * StickAxes];  // per axis: towards negative, towards positive
    bool startDown;
    bool backDown;
    uint32_t backSince;  // ms, when Back went down
};

// What a look at the pad asks of the game beyond its keys.
enum PadAsk : int32_t { PadAsksNothing, PadAsksStart, PadAsksQuit };

// Queues the keys the pad now holds or has let go of; now is in ms.
int32_t readPad(PadState* pad, const PadLayout& layout, const PadReading& reading, uint32_t now, EventQueue* queue);
// Whether the pad holds any key or button, so that looking for pads again would lose nothing.
bool padIdle(const PadState& pad, const EventQueue& queue);
