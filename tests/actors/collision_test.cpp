#include <gtest/gtest.h>

#include "tests/actors/actor_fixture.h"

namespace {

// Rising: solid cells and slopes stop the head, everything else lets it through.
TEST(CollisionRising, EachClassUnderTheHead) {
    struct Case {
        int8_t cls;
        bool stops;
    } cases[] = {
        {ClassEmpty, false}, {ClassWall, true}, {ClassSlopeDown, true}, {ClassSlopeUp, true},
        {ClassLadder, false}, {ClassLadderTop, false}, {ClassPlatform, false}, {ClassInert, false},
        {ClassBreakable, true}, {ClassBreakableToo, true},
    };
    for (const Case& c : cases) {
        TestWorld w;
        w.setCell(9, 11, c.cls);  // under the right edge only: column 11 of 10..11
        Player mover = boxAt(330, 330, 0, -17);
        bool stopped = moveVertical(&mover);
        EXPECT_EQ(stopped, c.stops) << "class " << int(c.cls);
        // Stopped: the top edge goes just below the blocking cell.
        EXPECT_EQ(mover.body.y, c.stops ? 320 : 313) << "class " << int(c.cls);
    }
}

TEST(CollisionFalling, FloorsAndPlatforms) {
    struct Case {
        const char* what;
        int8_t left, right;  // foot-row cells under columns 10 and 11
        int32_t y, vy;
        bool stopped;
        int32_t y2;
    } cases[] = {
        {"resting on a wall, vy 0", ClassWall, ClassWall, 320 - 61, 0, false, 320 - 61},
        {"resting on a wall, vy 1", ClassWall, ClassWall, 320 - 61, 1, true, 320 - 61},
        {"fall onto a wall", ClassWall, ClassEmpty, 240, 30, true, 320 - 61},
        {"fall onto a breakable", ClassBreakableToo, ClassEmpty, 240, 30, true, 320 - 61},
        {"fall onto a platform", ClassPlatform, ClassEmpty, 240, 30, true, 320 - 61},
        {"fall onto a ladder top", ClassEmpty, ClassLadderTop, 240, 30, true, 320 - 61},
        {"feet inside the platform row sink", ClassPlatform, ClassPlatform, 320 - 60, 8, false, 320 - 60 + 7},
        {"wall beside a platform wins", ClassPlatform, ClassWall, 320 - 60, 8, true, 320 - 61},
        {"a ladder does not hold", ClassLadder, ClassLadder, 240, 30, false, 270},
        {"inert does not hold", ClassInert, ClassInert, 240, 30, false, 270},
    };
    for (const Case& c : cases) {
        TestWorld w;
        w.setCell(10, 10, c.left);
        w.setCell(10, 11, c.right);
        Player mover = boxAt(330, c.y, 0, c.vy);
        EXPECT_EQ(moveVertical(&mover), c.stopped) << c.what;
        EXPECT_EQ(mover.body.y, c.y2) << c.what;
    }
}

// A fall examines only the destination row, so a long one skips a thin floor.
TEST(CollisionFalling, FastFallSkipsAThinFloor) {
    TestWorld w;
    w.fillRow(10, 0, 20, ClassWall);
    Player mover = boxAt(330, 320 - 61, 0, 40);  // resting on row 10, foot lands in row 11
    EXPECT_FALSE(moveVertical(&mover));
    EXPECT_EQ(mover.body.y, 320 - 61 + 40);
}

// Only the cell under the centre makes a slope surface.
TEST(CollisionFalling, SlopeUnderTheCentreOnly) {
    struct Case {
        const char* what;
        int8_t cls;
        int32_t col;  // cell of row 10 that holds the slope
        int32_t x;
        bool stopped;
        int32_t bottom;
    } cases[] = {
        // centre x 335: offset 15 in column 10
        {"down slope under the centre", ClassSlopeDown, 10, 320, true, 320 + 15},
        {"up slope under the centre", ClassSlopeUp, 10, 320, true, 320 + 16},
        {"slope under an edge only", ClassSlopeDown, 9, 310, false, 340},
    };
    for (const Case& c : cases) {
        TestWorld w;
        w.setCell(10, c.col, c.cls);
        Player mover = boxAt(c.x, 270, 0, 10);  // bottom 330 -> 340, offset 20 in row 10
        EXPECT_EQ(moveVertical(&mover), c.stopped) << c.what;
        EXPECT_EQ(bottomOf(mover.body), c.bottom) << c.what;
    }
}

// The box includes its right edge x + width and nothing beyond it.
TEST(CollisionBoxEdges, ColumnsUnderTheBox) {
    struct Case {
        int32_t x;
        int32_t wallCol;
        bool lands;
    } cases[] = {
        {64, 1, false}, {64, 2, true}, {64, 3, false},  // 64 + 30 = 94: column 2 only
        {66, 2, true},  {66, 3, true},                  // 96 >> 5 = 3
        {62, 1, true},  {62, 2, true},  {62, 3, false},
    };
    for (const Case& c : cases) {
        TestWorld w;
        w.setCell(10, c.wallCol, ClassWall);
        Player mover = boxAt(c.x, 320 - 61, 0, 1);
        EXPECT_EQ(moveVertical(&mover), c.lands) << "x " << c.x << " wall column " << c.wallCol;
    }
}

TEST(CollisionHorizontal, WallsAndWallSidesOfSlopes) {
    struct Case {
        const char* what;
        int8_t cls;
        int32_t vx;
        bool stopped;
        int32_t x2;
    } cases[] = {
        // The cell sits in column 12 (x 384) when moving right, column 8 (x 256..287) when moving left.
        {"wall, right", ClassWall, 8, true, 384 - 31},
        {"breakable, right", ClassBreakable, 8, true, 384 - 31},
        {"down slope's high side, right", ClassSlopeDown, 8, true, 384 - 31},
        {"up slope, right", ClassSlopeUp, 8, false, 358},
        {"platform, right", ClassPlatform, 8, false, 358},
        {"wall, left", ClassWall, -8, true, 288},
        {"up slope's high side, left", ClassSlopeUp, -8, true, 288},
        {"down slope, left", ClassSlopeDown, -8, false, 282},
        {"ladder, left", ClassLadder, -8, false, 282},
    };
    for (const Case& c : cases) {
        TestWorld w;
        int32_t col = c.vx > 0 ? 12 : 8;
        w.setCell(8, col, c.cls);  // the row of the box's top edge
        int32_t x = c.vx > 0 ? 350 : 290;
        Player mover = boxAt(x, 260, c.vx, 0);
        EXPECT_EQ(moveHorizontal(&mover), c.stopped) << c.what;
        EXPECT_EQ(mover.body.x, c.x2) << c.what;
        EXPECT_EQ(mover.body.y, 260) << c.what;
    }
}

TEST(CollisionHorizontal, NoSpeedNoMove) {
    TestWorld w;
    w.setCell(8, 11, ClassWall);
    Player mover = boxAt(330, 260, 0, 0);
    EXPECT_FALSE(moveHorizontal(&mover));
    EXPECT_EQ(mover.body.x, 330);
}

// Stepping onto the rising side of a slope lifts the feet to its surface.
TEST(CollisionHorizontal, WalkingUpASlopeLifts) {
    struct Case {
        const char* what;
        int8_t cls;
        int32_t x, vx;
        int32_t bottom;
    } cases[] = {
        // centre moves 313 -> 321: offset 1 of an up slope, surface 30 below the cell top
        {"up slope, walking right", ClassSlopeUp, 298, 8, 320 + 30},
        // centre moves 357 -> 349: offset 29 of a down slope, surface one deeper than the fall's
        {"down slope, walking left", ClassSlopeDown, 342, -8, 320 + 30},
    };
    for (const Case& c : cases) {
        TestWorld w;
        w.fillRow(11, 0, 20, ClassWall);
        w.setCell(10, 10, c.cls);
        Player mover = boxAt(c.x, 291, c.vx, 0);  // bottom 351, on the floor row 11
        EXPECT_FALSE(moveHorizontal(&mover)) << c.what;
        EXPECT_EQ(mover.body.x, c.x + c.vx) << c.what;
        EXPECT_EQ(bottomOf(mover.body), c.bottom) << c.what;
    }
}

TEST(CollisionGrid, ReadsOutsideTheWorldAreWalls) {
    TestWorld w;
    w.setCell(0, 0, ClassLadder);
    w.setCell(999, 999, ClassPlatform);
    EXPECT_EQ(cellClass(0, 0), ClassLadder);
    EXPECT_EQ(cellClass(999, 999), ClassPlatform);
    for (auto cell : {std::pair<int32_t, int32_t>{-1, 0}, {0, -1}, {1000, 0}, {0, 1000}, {-40, -40}, {5000, 999}}) {
        EXPECT_EQ(cellClass(cell.first, cell.second), ClassWall) << cell.first << "," << cell.second;
    }
}

// Moves at the rim of the world stop there instead of reading beyond the grid.
TEST(CollisionGrid, MovesStopAtTheRimOfTheWorld) {
    TestWorld w;
    Player up = boxAt(100, 10, 0, -17);
    EXPECT_TRUE(moveVertical(&up));
    EXPECT_EQ(up.body.y, 0);

    Player down = boxAt(100, 32000 - 65, 0, 20);
    EXPECT_TRUE(moveVertical(&down));
    EXPECT_EQ(bottomOf(down.body), 32000 - 1);

    Player left = boxAt(2, 100, -8, 0);
    EXPECT_TRUE(moveHorizontal(&left));
    EXPECT_EQ(left.body.x, 0);

    Player right = boxAt(32000 - 35, 100, 8, 0);
    EXPECT_TRUE(moveHorizontal(&right));
    EXPECT_EQ(right.body.x + right.body.width, 32000 - 1);
}

}  // namespace
