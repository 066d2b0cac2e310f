#include <gtest/gtest.h>

#include "render/camera.h"
#include "tests/support/test_world.h"

namespace {

constexpr int32_t RoomX = 25;  // the start room: its corner is (16000, 16000)
constexpr int32_t RoomY = 25;
constexpr int32_t RoomLeft = RoomX * 640;
constexpr int32_t RoomTop = RoomY * 640;
constexpr uint8_t Unset = 7;  // neither mode: shows whether a pass wrote the flag

class Camera : public ::testing::Test {
protected:
    // The player at (rx, ry) inside the room, the camera on the room's corner,
    // which is aligned for both modes.
    void place(int32_t doorMask, int32_t rx, int32_t ry) {
        tw->rooms[RoomX][RoomY].doorMask = doorMask;
        tw->player.body.x = RoomLeft + rx;
        tw->player.body.y = RoomTop + ry;
        tw->cameraX = RoomLeft;
        tw->cameraY = RoomTop;
        tw->scrollVertical = Unset;
    }
    // Runs one pass and reports the mode it wrote.
    uint8_t modeAfterOnePass() {
        updateCamera();
        return tw->scrollVertical;
    }

    TestWorld tw;
};

TEST_F(Camera, DoorMaskAndTriangleChooseTheScrollMode) {
    // Expected flag in the top, bottom, left and right triangles: 1 vertical, 0 horizontal.
    struct Case {
        int32_t mask;
        uint8_t top, bottom, left, right;
    };
    const Case cases[] = {
        {0, 1, 1, 1, 1},  {1, 0, 0, 0, 0},  {2, 0, 0, 0, 0},  {3, 0, 0, 0, 0},
        {4, 1, 1, 1, 1},  {5, 1, 0, 1, 0},  {6, 1, 0, 0, 1},  {7, 1, 0, 0, 0},
        {8, 1, 1, 1, 1},  {9, 0, 1, 1, 0},  {10, 0, 1, 0, 1}, {11, 0, 1, 0, 0},
        {12, 1, 1, 1, 1}, {13, 1, 1, 1, 0}, {14, 1, 1, 0, 1}, {15, 1, 1, 0, 0},
    };
    struct Point {
        const char* triangle;
        int32_t rx, ry;
    };
    const Point points[] = {{"top", 320, 100}, {"bottom", 320, 540}, {"left", 100, 320}, {"right", 540, 320}};
    for (const Case& c : cases) {
        const uint8_t expected[] = {c.top, c.bottom, c.left, c.right};
        for (int i = 0; i < 4; i++) {
            place(c.mask, points[i].rx, points[i].ry);
            EXPECT_EQ(modeAfterOnePass(), expected[i]) << "mask " << c.mask << ", " << points[i].triangle;
        }
    }
}

TEST_F(Camera, PointsNearAndOnTheDiagonalsFollowTheStrictTests) {
    struct Case {
        int32_t mask, rx, ry;
        uint8_t vertical;
    };
    const Case cases[] = {
        {15, 500, 100, 1},  // rx > ry but rx + ry < 640: the top triangle
        {15, 600, 100, 0},  // the right triangle
        {15, 100, 500, 0},  // the left triangle
        {15, 100, 600, 1},  // the bottom one
        {15, 320, 320, 1},  // the centre lies in no triangle
        {6, 300, 300, 1},   // rx < ry is strict
        {6, 299, 300, 0},
        {9, 300, 300, 1},
        {9, 301, 300, 0},
        {5, 320, 320, 1},   // rx + ry > 640 is strict
        {5, 321, 320, 0},
        {10, 320, 320, 1},
        {10, 319, 320, 0},
        {7, 200, 200, 1},   // on the falling diagonal, above the rising one
        {11, 200, 200, 0},
        {13, 400, 400, 1},
        {14, 200, 200, 1},
    };
    for (const Case& c : cases) {
        place(c.mask, c.rx, c.ry);
        EXPECT_EQ(modeAfterOnePass(), c.vertical) << "mask " << c.mask << " at (" << c.rx << ", " << c.ry << ")";
    }
}

TEST_F(Camera, FollowsThePlayerAtFifteenPixelsAPassAndLandsOnTarget) {
    struct Case {
        int32_t mask, rx, ry;
        int32_t cameraX, cameraY;  // relative to the room's corner, before the pass
        int32_t wantX, wantY;      // after it
    };
    const Case cases[] = {
        {3, 320, 320, 0, 0, 15, 15},          // the start of play, player at (16320, 16320)
        {12, 320, 320, 0, 0, 0, 15},
        {12, 320, 320, 0, 100, 0, 112},       // vertical, 12 short: lands on py - 208
        {12, 320, 320, 0, 130, 0, 115},       // 18 past: one step back
        {12, 320, 320, 10, 97, 0, 112},       // within a step of the edge: snaps onto it
        {12, 320, 320, -15, 112, 0, 112},
        {3, 320, 320, 10, 100, 16, 112},      // horizontal: x lands on px - 304 when close
        {3, 320, 320, 40, 120, 25, 112},
        {3, 320, 100, 0, 0, 15, 0},           // y target above the row: held on the room's top
    };
    for (const Case& c : cases) {
        place(c.mask, c.rx, c.ry);
        tw->cameraX = RoomLeft + c.cameraX;
        tw->cameraY = RoomTop + c.cameraY;
        updateCamera();
        SCOPED_TRACE(testing::Message() << "mask " << c.mask << " from (" << c.cameraX << ", " << c.cameraY << ")");
        EXPECT_EQ(tw->cameraX - RoomLeft, c.wantX);
        EXPECT_EQ(tw->cameraY - RoomTop, c.wantY);
        EXPECT_EQ(tw->scrollVertical, c.mask == 12 ? 1 : 0);
    }
}

TEST_F(Camera, AligningPassesMoveOnlyTheAligningAxis) {
    struct Case {
        const char* what;
        int32_t mask;
        int32_t cameraX, cameraY;  // relative to the room's corner
        uint8_t flagBefore;
        int32_t passes;            // passes until aligned, the last one follows too
        int32_t stepX, stepY;      // each aligning pass's move
    };
    const Case cases[] = {
        {"vertical, camera right of the column", 12, 40, 50, 0, 3, -15, 0},
        {"vertical, camera left of the column", 12, -40, 50, 0, 3, 15, 0},
        {"horizontal, camera far below the row", 3, 30, 80 + 126, 1, 4, 0, -15},  // 126 -> 111 -> 96 -> 81
        {"horizontal, camera just within the tolerance", 3, 30, 80 - 95, 1, 1, 0, 0},
        {"horizontal, camera far above the row", 3, 30, 80 - 96, 1, 2, 0, 15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        place(c.mask, 320, 320);
        tw->cameraX = RoomLeft + c.cameraX;
        tw->cameraY = RoomTop + c.cameraY;
        tw->scrollVertical = c.flagBefore;
        for (int32_t pass = 1; pass < c.passes; pass++) {
            int32_t x = tw->cameraX, y = tw->cameraY;
            updateCamera();
            EXPECT_EQ(tw->cameraX - x, c.stepX) << "pass " << pass;
            EXPECT_EQ(tw->cameraY - y, c.stepY) << "pass " << pass;
            EXPECT_EQ(tw->scrollVertical, c.flagBefore) << "pass " << pass;
        }
        int32_t x = tw->cameraX, y = tw->cameraY;
        updateCamera();
        EXPECT_NE(tw->scrollVertical, c.flagBefore) << "the aligned pass writes the flag";
        bool followedBothAxes = (c.mask == 12) ? tw->cameraX == RoomLeft && tw->cameraY != y
                                               : tw->cameraX != x && tw->cameraY != y;
        EXPECT_TRUE(followedBothAxes);
    }
}

TEST_F(Camera, SidesWithoutDoorsStayOffTheScreen) {
    struct Case {
        const char* what;
        int32_t mask, rx, ry;
        int32_t cameraX, cameraY;  // relative to the room's corner, before the pass
        int32_t wantX, wantY;
    };
    const Case cases[] = {
        {"no up door, player high", 8, 320, 20, 0, 5, 0, 0},
        {"up door, player high", 12, 320, 20, 0, 5, 0, -10},
        {"no down door, player low", 4, 320, 600, 0, 150, 0, 160},
        {"down door, player low", 12, 320, 600, 0, 150, 0, 165},
        {"no right door, player right", 2, 630, 300, 0, 80, 0, 92},
        {"right door, player right", 3, 630, 300, 0, 80, 15, 92},
        {"no left door, player left", 1, 5, 300, 0, 80, 0, 92},
        {"left door, player left", 3, 5, 300, 0, 80, -15, 92},
        {"horizontal, low in the room", 3, 320, 600, 0, 160, 15, 160},
        {"horizontal, camera in the row above", 3, 320, 0, 0, -10, 15, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        place(c.mask, c.rx, c.ry);
        tw->cameraX = RoomLeft + c.cameraX;
        tw->cameraY = RoomTop + c.cameraY;
        updateCamera();
        EXPECT_EQ(tw->cameraX - RoomLeft, c.wantX);
        EXPECT_EQ(tw->cameraY - RoomTop, c.wantY);
    }
}

TEST_F(Camera, HorizontalCameraNeverLeavesTheWorldsTopEdge) {
    tw->rooms[RoomX][0].doorMask = 3;
    tw->player.body.x = RoomLeft + 320;
    tw->player.body.y = 10;
    tw->cameraX = RoomLeft;
    tw->cameraY = 0;
    updateCamera();
    EXPECT_EQ(tw->cameraY, 0);
    EXPECT_EQ(tw->scrollVertical, 0);
}

TEST_F(Camera, PlayerOffTheGridReadsTheNearestRoomsDoors) {
    struct Case {
        int32_t x, y;
        int32_t roomX, roomY;
    };
    const Case cases[] = {{32000 + 100, 16320, 49, 25}, {16320, 32000 + 700, 25, 49}, {-1000, 16320, 0, 25}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "player at (" << c.x << ", " << c.y << ")");
        tw->rooms[c.roomX][c.roomY].doorMask = 3;
        tw->player.body.x = c.x;
        tw->player.body.y = c.y;
        tw->cameraX = c.x - c.x % 640;
        tw->cameraY = c.y - c.y % 640;
        tw->scrollVertical = Unset;
        updateCamera();
        EXPECT_EQ(tw->scrollVertical, 0) << "the side doors of room (" << c.roomX << ", " << c.roomY << ")";
        tw->rooms[c.roomX][c.roomY].doorMask = 0;
    }
}

}  // namespace
