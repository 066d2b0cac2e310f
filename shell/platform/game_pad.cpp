#include "shell/platform/game_pad.h"

namespace {

// A resting stick sits well inside a third of its travel; the stick's key goes on past half and
// off again below a third, so a stick held near the edge does not flicker.
constexpr int32_t StickOn = 16384;
constexpr int32_t StickOff = 10923;
constexpr int32_t StickKeys[2 * StickAxes] = {KeyLeft, KeyRight, KeyUp, KeyDown};
constexpr int32_t HatKeys[4] = {KeyUp, KeyRight, KeyDown, KeyLeft};

// clang-format off
constexpr PadButtonKey DesktopPadKeys[] = {
    {11, KeyUp}, {12, KeyDown}, {13, KeyLeft}, {14, KeyRight},
    {0, KeySpace}, {2, KeyLeftControl}, {1, KeyLeftControl},
};
constexpr PadButtonKey BrowserPadKeys[] = {
    {12, KeyUp}, {13, KeyDown}, {14, KeyLeft}, {15, KeyRight},
    {0, KeySpace}, {2, KeyLeftControl}, {1, KeyLeftControl},
};
constexpr PadButtonKey WindowsPadKeys[] = {
    {0, KeySpace}, {2, KeyLeftControl}, {1, KeyLeftControl},
};
// clang-format on

bool stickPast(uint8_t on, int32_t travel) { return travel > (on ? StickOff : StickOn); }

}  // namespace

const PadLayout DesktopPad = {DesktopPadKeys, sizeof DesktopPadKeys / sizeof DesktopPadKeys[0], 6, 4};
const PadLayout BrowserPad = {BrowserPadKeys, sizeof BrowserPadKeys / sizeof BrowserPadKeys[0], 9, 8};
const PadLayout WindowsPad = {WindowsPadKeys, sizeof WindowsPadKeys / sizeof WindowsPadKeys[0], 7, 6};

int32_t readPad(PadState* pad, const PadLayout& layout, const PadReading& reading, uint32_t now, EventQueue* queue) {
    bool holds[KeyStateSize] = {};
    for (int32_t axis = 0; axis < StickAxes; axis++) {
        int32_t value = reading.axes[axis];
        uint8_t* on = &pad->stickOn[2 * axis];
        on[0] = stickPast(on[0], -value);
        on[1] = stickPast(on[1], value);
        holds[StickKeys[2 * axis]] |= on[0];
        holds[StickKeys[2 * axis + 1]] |= on[1];
    }
    for (int32_t bit = 0; bit < 4; bit++) holds[HatKeys[bit]] |= (reading.hat >> bit) & 1;
    for (int32_t row = 0; row < layout.keyCount; row++)
        holds[layout.keys[row].key] |= reading.buttons[layout.keys[row].button] != 0;
    for (int32_t key : StickKeys) queueKeyChange(queue, key, SourcePad, holds[key]);
    for (int32_t row = 0; row < layout.keyCount; row++)
        queueKeyChange(queue, layout.keys[row].key, SourcePad, holds[layout.keys[row].key]);

    bool startWasDown = pad->startDown;
    pad->startDown = reading.buttons[layout.start] != 0;
    bool backWasDown = pad->backDown;
    pad->backDown = reading.buttons[layout.back] != 0;
    if (pad->backDown && !backWasDown) pad->backSince = now;
    if (pad->backDown && now - pad->backSince >= PadQuitHoldMs) return PadAsksQuit;
    return pad->startDown && !startWasDown ? PadAsksStart : PadAsksNothing;
}

bool padIdle(const PadState& pad, const EventQueue& queue) {
    if (pad.startDown || pad.backDown) return false;
    for (uint8_t holders : queue.heldBy) {
        if (holders & SourcePad) return false;
    }
    return true;
}
