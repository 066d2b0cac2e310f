#include <gtest/gtest.h>

#include "worldgen/frontier_list.h"
#include "worldgen/maze.h"

namespace {

// Worked by hand from seed 11: 11 * 69069 + 12345 = 772104, whose low 16 bits
// are 51208, and 51208 * 4 >> 16 = 3; and so on along the sequence.
TEST(NextBelow, FollowsTheSequenceFromSeedEleven) {
    struct Draw {
        uint32_t n;
        uint32_t seedAfter;
        uint32_t result;
    };
    const Draw draws[] = {
        {4, 772104u, 3},        // low bits 51208
        {4, 1788855969u, 3},    // low bits 50849
        {100, 1168731174u, 42}, // low bits 27686
        {0, 3478108327u, 0},    // n = 0 still steps the state
        {65536, 3353250036u, 35060},
        {1, 3810279325u, 0},
    };
    MazeRandom random{MazeSeed};
    for (const Draw& draw : draws) {
        uint32_t result = nextBelow(random, draw.n);
        EXPECT_EQ(random.seed, draw.seedAfter) << "n " << draw.n;
        EXPECT_EQ(result, draw.result) << "n " << draw.n;
    }
}

TEST(NewestCellPosition, NeverLeavesAShortListAndKeepsTheDrawOfAFullOne) {
    for (int32_t count = 0; count <= 6; count++) {
        for (uint32_t seed = 0; seed < 500; seed++) {
            MazeRandom random{seed};
            MazeRandom plain{seed};
            int32_t position = newestCellPosition(random, count);
            uint32_t fourWay = nextBelow(plain, 4);
            EXPECT_EQ(random.seed, plain.seed) << "one draw, count " << count;
            if (count >= 4) {
                EXPECT_EQ(position, int32_t(fourWay)) << "count " << count << " seed " << seed;
            } else {
                EXPECT_LT(position, count > 0 ? count : 1) << "count " << count << " seed " << seed;
            }
        }
    }
}

class FrontierListTest : public ::testing::Test {
protected:
    void SetUp() override {
        clearList(head);
        for (int32_t i = 0; i < 3; i++) cells[i] = MazeCell{nullptr, nullptr, 0, i, 0, 0, 0};
        for (MazeCell& cell : cells) insertFront(head, cell);
    }
    // The list read from the front, by the cells' x.
    std::vector<int32_t> order() const {
        std::vector<int32_t> xs;
        for (int32_t position = 0; MazeCell* cell = cellAtPosition(head, position); position++) xs.push_back(cell->x);
        return xs;
    }
    MazeCell head;
    MazeCell cells[3];
};

TEST_F(FrontierListTest, NewestComesFirstAndCountsFollow) {
    EXPECT_EQ(order(), (std::vector<int32_t>{2, 1, 0}));
    EXPECT_EQ(head.state, 3);
    EXPECT_EQ(head.x, -1);
    EXPECT_EQ(head.y, -1);
    for (const MazeCell& cell : cells) EXPECT_EQ(cell.state, 1);
    EXPECT_EQ(cellAtPosition(head, 3), nullptr);
    EXPECT_EQ(cellAtPosition(head, 40), nullptr);
}

TEST_F(FrontierListTest, RemovalJoinsTheNeighboursWherever) {
    struct Case {
        int32_t removed;
        std::vector<int32_t> left;
    };
    const Case cases[] = {{2, {1, 0}}, {1, {2, 0}}, {0, {2, 1}}};
    for (const Case& c : cases) {
        SetUp();
        MazeCell& cell = cells[c.removed];
        MazeCell* prev = cell.prev;
        MazeCell* next = cell.next;
        removeFromList(head, cell);
        EXPECT_EQ(order(), c.left) << "removed " << c.removed;
        EXPECT_EQ(head.state, 2);
        EXPECT_EQ(cell.state, 1) << "removal keeps the state";
        EXPECT_EQ(cell.prev, prev) << "removal keeps the cell's own links";
        EXPECT_EQ(cell.next, next);
        EXPECT_EQ(cellAtPosition(head, 0)->prev, &head);
        EXPECT_EQ(cellAtPosition(head, 1)->prev, cellAtPosition(head, 0));
        EXPECT_EQ(cellAtPosition(head, 1)->next, nullptr);

        // Into the other list, as a cell touched twice goes.
        MazeCell other;
        clearList(other);
        insertFront(other, cell);
        EXPECT_EQ(cell.state, 2);
        EXPECT_EQ(cell.prev, &other);
        EXPECT_EQ(other.state, 1);
        EXPECT_EQ(order(), c.left) << "the first list is left alone";
    }
}

}  // namespace
