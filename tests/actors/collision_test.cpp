#include <gtest/gtest.h>

#include "tests/actors/actor_fixture.h"

namespace {

// Rising into cells under columns 10..11 of row 9: solid cells and slopes stop the head.
TEST(CollisionRising, EachClassUnderTheHead) {
    const bool stops[10] = {false, true, true, true, false, false, false, false, true, true};
    for (int8_t cls = 0; cls < 10; cls++) {
        TestWorld w;
        w.setCell(9, 11, cls);
        Player mover = boxAt(330, 330, 0, -17);
        EXPECT_EQ(moveVertical(&mover), stops[cls]) << "class " << int(cls);
        EXPECT_EQ(mover.body.y, stops[cls] ? 320 : 313) << "class " << int(cls);
    }
}

TEST(CollisionFalling, FloorsPlatformsAndSlopes) {
    constexpr int8_t W = ClassWall, P = ClassPlatform, SD = ClassSlopeDown, SU = ClassSlopeUp;
    struct Case {
        const char* what;
        int8_t cells[3];  // row 10, columns 9..11
        int32_t x, y, vy;
        bool stopped;
        int32_t y2;
    } cases[] = {
        {"resting on a wall, vy 0", {0, W, W}, 330, 259, 0, false, 259},
        {"resting on a wall, vy 1", {0, W, W}, 330, 259, 1, true, 259},
        {"onto a breakable", {0, ClassBreakableToo, 0}, 330, 240, 30, true, 259},
        {"onto a platform", {0, P, 0}, 330, 240, 30, true, 259},
        {"onto a ladder top", {0, 0, ClassLadderTop}, 330, 240, 30, true, 259},
        {"through a ladder", {0, ClassLadder, ClassInert}, 330, 240, 30, false, 270},
        {"feet inside a platform row sink", {0, P, P}, 330, 260, 8, false, 267},
        {"a wall beside a platform wins", {0, P, W}, 330, 260, 8, true, 259},
        {"a fast fall skips a thin floor", {0, W, W}, 330, 240, 72, false, 312},
        // centre x 335 is offset 15 of column 10; the foot lands at offset 20 of row 10
        {"down slope under the centre", {0, SD, 0}, 320, 270, 10, true, 320 + 15 - 60},
        {"up slope under the centre", {0, SU, 0}, 320, 270, 10, true, 320 + 16 - 60},
        {"slope under an edge only", {SD, 0, 0}, 310, 270, 10, false, 280},
    };
    for (const Case& c : cases) {
        TestWorld w;
        for (int32_t i = 0; i < 3; i++) w.setCell(10, 9 + i, c.cells[i]);
        Player mover = boxAt(c.x, c.y, 0, c.vy);
        EXPECT_EQ(moveVertical(&mover), c.stopped) << c.what;
        EXPECT_EQ(mover.body.y, c.y2) << c.what;
    }
}

// The box includes its right edge x + width and nothing beyond it.
TEST(CollisionBoxEdges, ColumnsUnderTheBox) {
    struct Case {
        int32_t x, wallCol;
        bool lands;
    } cases[] = {
        {64, 1, false}, {64, 2, true}, {64, 3, false}, {66, 2, true}, {66, 3, true}, {62, 1, true}, {62, 3, false},
    };
    for (const Case& c : cases) {
        TestWorld w;
        w.setCell(10, c.wallCol, ClassWall);
        Player mover = boxAt(c.x, 259, 0, 1);
        EXPECT_EQ(moveVertical(&mover), c.lands) << "x " << c.x << " wall column " << c.wallCol;
    }
}

// A cell beside the box's top row; slopes block only on their full-height side.
TEST(CollisionHorizontal, WallsAndSlopeSides) {
    struct Case {
        int8_t cls;
        int32_t vx;
        bool stopped;
        int32_t x2;
    } cases[] = {
        {ClassWall, 8, true, 353},     {ClassBreakable, 8, true, 353}, {ClassSlopeDown, 8, true, 353},
        {ClassSlopeUp, 8, false, 358}, {ClassPlatform, 8, false, 358}, {ClassWall, -8, true, 288},
        {ClassSlopeUp, -8, true, 288}, {ClassSlopeDown, -8, false, 282}, {ClassLadder, -8, false, 282},
    };
    for (const Case& c : cases) {
        TestWorld w;
        w.setCell(8, c.vx > 0 ? 12 : 8, c.cls);
        Player mover = boxAt(c.vx > 0 ? 350 : 290, 260, c.vx, 0);
        EXPECT_EQ(moveHorizontal(&mover), c.stopped) << "class " << int(c.cls) << " vx " << c.vx;
        EXPECT_EQ(mover.body.x, c.x2) << "class " << int(c.cls) << " vx " << c.vx;
    }
}

TEST(CollisionGrid, ReadsOutsideTheWorldAreWalls) {
    TestWorld w;
    w.setCell(999, 999, ClassPlatform);
    EXPECT_EQ(cellClass(999, 999), ClassPlatform);
    EXPECT_EQ(cellClass(0, 0), ClassEmpty);
    for (auto cell : {std::pair<int32_t, int32_t>{-1, 0}, {0, -1}, {1000, 0}, {0, 1000}, {5000, 999}}) {
        EXPECT_EQ(cellClass(cell.first, cell.second), ClassWall) << cell.first << "," << cell.second;
    }
    // So moves stop at the rim of the world.
    Player up = boxAt(100, 10, 0, -17), down = boxAt(100, 31935, 0, 20);
    Player left = boxAt(2, 100, -8, 0), right = boxAt(31965, 100, 8, 0);
    EXPECT_TRUE(moveVertical(&up) && moveVertical(&down) && moveHorizontal(&left) && moveHorizontal(&right));
    EXPECT_EQ(up.body.y, 0);
    EXPECT_EQ(bottomOf(down.body), 31999);
    EXPECT_EQ(left.body.x, 0);
    EXPECT_EQ(right.body.x + right.body.width, 31999);
}

}  // namespace
