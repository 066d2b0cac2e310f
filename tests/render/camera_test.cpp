// The camera's modes and clamps, pass by pass, as a table.
#include <gtest/gtest.h>

#include <string>

#include "render/camera.h"
#include "tests/support/test_world.h"

namespace {

struct CameraCase {
    const char* name;
    int32_t doors, roomY;    // the player's room is (25, roomY)
    int32_t px, py;          // the player, inside the room
    int32_t cx, cy, passes;  // the camera's start, relative to the room
    const char* expect;      // the camera relative to the room, and scrollVertical
};

const CameraCase cases[] = {
    {"a column follows the player down", 0, 25, 300, 400, 0, 0, 1, "0 15 1"},
    {"a column stops at the room's bottom", 0, 25, 300, 400, 0, 0, 20, "0 160 1"},
    {"a door down lets the column go on", 8, 25, 300, 400, 0, 0, 20, "0 192 1"},
    {"a column stops at the room's top", 8, 25, 300, 100, 0, 100, 20, "0 0 1"},
    {"a column a pixel above the room's top comes back", 8, 25, 300, 100, 0, 14, 1, "0 0 1"},
    {"a door up lets the column go up", 4, 25, 300, 100, 0, 0, 20, "0 -108 1"},
    {"a column first aligns sideways", 0, 25, 300, 400, 100, 0, 1, "85 0 0"},
    {"a column first aligns sideways from the left too", 12, 25, 300, 400, -100, 0, 1, "-85 0 0"},
    {"a column a pixel below the room's lowest comes back", 4, 25, 300, 369, 0, 160, 1, "0 160 1"},
    {"a column lands on its edge from within a step", 0, 25, 300, 400, 15, 0, 1, "0 15 1"},
    {"a row follows the player sideways", 3, 25, 400, 300, 0, 80, 10, "96 92 0"},
    {"a row stops at a wall on the right", 2, 25, 400, 300, 0, 80, 10, "0 92 0"},
    {"a row stops at a wall on the left", 1, 25, 303, 300, 0, 80, 10, "0 92 0"},
    {"a row a pixel right of a room without a door right comes back", 2, 25, 305, 300, 0, 80, 1, "0 92 0"},
    {"a row with a door left goes left", 2, 25, 100, 300, 0, 80, 20, "-204 92 0"},
    {"a row far off its height first comes level", 3, 25, 400, 300, 0, 400, 1, "0 385 0"},
    {"a row far off its height the other way too", 3, 25, 400, 300, 0, -200, 1, "0 -185 0"},

    {"a row stops at the room's bottom", 3, 25, 400, 369, 0, 160, 10, "96 160 0"},
    {"a row keeps the room's top", 3, 25, 400, 50, 0, -15, 1, "15 0 0"},
    {"a row at the world's top stops there", 3, 0, 400, 50, 0, 0, 1, "15 0 0"},
    {"doors right and up: the bottom-right half scrolls sideways", 5, 25, 300, 400, 0, 80, 1, "0 95 0"},
    {"doors right and up: the top-left half scrolls up and down", 5, 25, 300, 300, 0, 80, 1, "0 92 1"},
    {"doors left and up: on the diagonal it scrolls up and down", 6, 25, 300, 300, 0, 80, 1, "0 92 1"},
    {"doors left and up: just below the diagonal sideways", 6, 25, 300, 301, 0, 80, 1, "-4 93 0"},
    {"doors right, left and up: the left triangle sideways", 7, 25, 100, 300, 0, 80, 1, "-15 92 0"},
    {"doors right, left and up: the top triangle up and down", 7, 25, 300, 100, 0, 80, 1, "0 65 1"},
    {"doors right and down: the top-right half sideways", 9, 25, 400, 100, 0, 80, 1, "15 65 0"},
    {"doors left and down: the top-left half sideways", 10, 25, 100, 100, 0, 80, 1, "-15 65 0"},
    {"doors right, left and down: the bottom triangle up and down", 11, 25, 300, 500, 0, 80, 1, "0 95 1"},
    {"all but left: the right triangle sideways", 13, 25, 600, 320, 0, 80, 1, "15 95 0"},
    {"all but left: the top triangle up and down", 13, 25, 320, 40, 0, 80, 1, "0 65 1"},
    {"all but left: the bottom triangle up and down", 13, 25, 320, 600, 0, 80, 1, "0 95 1"},
    {"all but right: the top triangle up and down", 14, 25, 320, 40, 0, 80, 1, "0 65 1"},
    {"all but right: the bottom triangle up and down", 14, 25, 320, 600, 0, 80, 1, "0 95 1"},
    {"all but right: the left triangle sideways", 14, 25, 40, 320, 0, 80, 1, "-15 95 0"},
    {"all doors: the top triangle up and down", 15, 25, 320, 40, 0, 80, 1, "0 65 1"},
    {"all doors: the right triangle sideways", 15, 25, 600, 320, 0, 80, 1, "15 95 0"},
    {"all doors: the left triangle sideways", 15, 25, 40, 320, 0, 80, 1, "-15 95 0"},
    {"all doors: the bottom triangle up and down", 15, 25, 320, 600, 0, 80, 1, "0 95 1"},
    {"doors right, left and up: the right triangle sideways", 7, 25, 600, 320, 0, 80, 1, "15 95 0"},
    {"doors right, left and down: the left triangle sideways", 11, 25, 40, 320, 0, 80, 1, "-15 95 0"},
    {"doors right, left and down: the right triangle sideways", 11, 25, 600, 320, 0, 80, 1, "15 95 0"},
    // The middle lies on both diagonals, in no triangle.
    {"doors right, left and down: the middle up and down", 11, 25, 320, 320, 0, 80, 1, "0 95 1"},
    {"doors right, left and up: the middle up and down", 7, 25, 320, 320, 0, 80, 1, "0 95 1"},

};

class CameraScenario : public ::testing::TestWithParam<CameraCase> {};

TEST_P(CameraScenario, EndsAsExpected) {
    const CameraCase& c = GetParam();
    TestWorld w;
    const int32_t left = 25 * 640, top = c.roomY * 640;
    w->rooms[25][c.roomY].doorMask = c.doors;
    w->player.init(left + c.px, top + c.py, 0);
    w->cameraX = left + c.cx;
    w->cameraY = top + c.cy;
    for (int32_t pass = 0; pass < c.passes; pass++) updateCamera();
    std::string actual = std::to_string(w->cameraX - left) + " " + std::to_string(w->cameraY - top) + " " +
                         std::to_string(w->scrollVertical);
    EXPECT_EQ(actual, c.expect) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Table, CameraScenario, ::testing::ValuesIn(cases));

}  // namespace
