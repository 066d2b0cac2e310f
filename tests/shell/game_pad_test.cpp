// A game pad read as keys: every button and direction of both layouts, the stick's dead zone, Start, Back.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "shell/platform/game_pad.h"

namespace {

struct PadCase {
    const char* name;
    const PadLayout* layout;
    const char* script;  // steps, each then a look: bN / -bN button N down / up, xP / yP the stick at P %,
                         // hB the hat's bits B, tM M ms on
    const char* expect;  // key symbols that go down (+) and up (-), S for Start, Q for quit
};

// clang-format off
const PadCase padCases[] = {
    {"the d-pad: up, down, left, right", &DesktopPad, "b11 -b11 b12 -b12 b13 -b13 b14 -b14", "273+ 273- 274+ 274- 276+ 276- 275+ 275-"},
    {"A is Space, B and X Left Control, one press for both", &DesktopPad, "b0 -b0 b1 b2 -b1 -b2", "32+ 32- 306+ 306-"},
    {"the stick right and left: on past half, off below a third", &DesktopPad, "x60 x40 x60 x30 x-60 x-40 x-60 x-30", "275+ 275- 276+ 276-"},
    {"the stick up and down", &DesktopPad, "y-60 y-40 y-60 y-30 y60 y40 y60 y30", "273+ 273- 274+ 274-"},
    {"a stick short of half does nothing", &DesktopPad, "x20 y-20 x45 y45 x-45 y-45", ""},
    {"the stick and the d-pad hold Right as one", &DesktopPad, "x60 b14 x0 -b14", "275+ 275-"},
    {"Start asks once a press, Back held a whole second quits", &DesktopPad, "b6 b6 -b6 b6 b4 t999 -b4 b4 t999 t1", "S S Q"},
    {"browser: d-pad, A, B, X", &BrowserPad, "b12 b13 b14 b15 -b12 b0 b1 -b1 b2", "273+ 274+ 276+ 275+ 273- 32+ 306+ 306- 306+"},
    {"browser Start", &BrowserPad, "b9", "S"},
    {"the browser's 6 and 4 are neither Start nor Back", &BrowserPad, "b6 b4 t1000", ""},
    {"browser Back", &BrowserPad, "b8 t1000", "Q"},
    {"the hat: up, right, down, left, and up-left as two", &DesktopPad, "h1 h2 h4 h8 h9 h0", "273+ 275+ 273- 275- 274+ 276+ 274- 273+ 276- 273-"},
    {"Windows: A, B, X, Start, and Back held", &WindowsPad, "b0 -b0 b1 b2 -b1 -b2 b7 -b7 b6 t1000", "32+ 32- 306+ 306- S Q"},
    {"Windows' 11 to 14 and 4 are no d-pad or Back", &WindowsPad, "b11 b12 b13 b14 b4 t1000", ""},
};
// clang-format on

class PadScenario : public ::testing::TestWithParam<PadCase> {};

TEST_P(PadScenario, GivesKeys) {
    const PadCase& c = GetParam();
    EventQueue queue;
    PadState pad = {};
    PadReading reading = {};
    uint32_t now = 5000;
    std::istringstream script(c.script);
    std::ostringstream out;
    for (std::string step; script >> step;) {
        int value = std::stoi(step.substr(step[0] == '-' ? 2 : 1));
        if (step[0] == 'b' || step[0] == '-') reading.buttons[value] = step[0] == 'b';
        if (step[0] == 'x' || step[0] == 'y') reading.axes[step[0] - 'x'] = int16_t(value * 32767 / 100);
        if (step[0] == 't') now += value;
        if (step[0] == 'h') reading.hat = uint8_t(value);
        int32_t ask = readPad(&pad, *c.layout, reading, now, &queue);
        if (ask != PadAsksNothing) out << (ask == PadAsksStart ? "S " : "Q ");
        for (InputEvent event; takeEvent(&queue, &event);)
            out << event.key << (event.type == EventKeyDown ? "+ " : "- ");
    }
    EXPECT_EQ(out.str(), c.expect + std::string(*c.expect ? " " : "")) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Table, PadScenario, ::testing::ValuesIn(padCases));

}  // namespace
