#include <gtest/gtest.h>

#include <set>

#include "tests/support/test_world.h"
#include "tests/worldgen/worldgen_fixture.h"
#include "worldgen/maze.h"
#include "worldgen/world_setup.h"

namespace {

class TemplateChoiceTest : public ::testing::Test {
protected:
    void run(TemplateLibrary& library) {
        library.install();
        generateMaze(WorldRooms, WorldRooms);
        buildRooms();
    }
    TestWorld testWorld;
    ScratchWorkingDir folder;
};

TEST_F(TemplateChoiceTest, EveryCellTakesATemplateOfItsMask) {
    struct Case {
        const char* name;
        std::vector<int32_t> counts;
    };
    std::vector<int32_t> uneven(MaskCount, 1);
    uneven[0] = 3;
    uneven[3] = 5;
    uneven[15] = 2;
    const Case cases[] = {{"one each", std::vector<int32_t>(MaskCount, 1)}, {"uneven", uneven}};
    std::vector<int32_t> firstLayout;
    for (const Case& c : cases) {
        TemplateLibrary library(c.counts);
        run(library);
        std::set<int32_t> used;
        for (int32_t x = 0; x < WorldRooms; x++) {
            for (int32_t y = 0; y < WorldRooms; y++) {
                const MazeCell& cell = world->maze[x][y];
                int32_t mask = cell.doors;
                EXPECT_GE(cell.templateIndex, library.first[mask]) << c.name << " " << x << "," << y;
                EXPECT_LT(cell.templateIndex, library.first[mask] + library.count[mask]) << c.name << " " << x << "," << y;
                EXPECT_EQ(TemplateLibrary::markOf(world->rooms[x][y]), cell.templateIndex) << c.name;
                EXPECT_EQ(world->rooms[x][y].doorMask, mask) << c.name;
                used.insert(cell.templateIndex);
            }
        }
        // Uncarved cells draw too, so mask 0's templates all turn up.
        for (int32_t i = 0; i < library.count[0]; i++) EXPECT_TRUE(used.count(i)) << c.name << " template " << i;
        // The template library does not change the maze itself.
        if (firstLayout.empty()) firstLayout = mazeLayout();
        EXPECT_EQ(mazeLayout(), firstLayout) << c.name;
    }
}

TEST_F(TemplateChoiceTest, ContinuesTheMazeDrawsRowByRow) {
    std::vector<int32_t> counts;
    for (int32_t mask = 0; mask < MaskCount; mask++) counts.push_back(2 + mask % 3);
    TemplateLibrary library(counts);
    library.install();
    MazeGrowth growth;
    startMaze(growth);
    for (int32_t pass = 1; pass < 50; pass++) carveNextCell(growth);
    MazeRandom draws = growth.random;

    generateMaze(WorldRooms, WorldRooms);
    for (int32_t y = 0; y < WorldRooms; y++) {
        for (int32_t x = 0; x < WorldRooms; x++) {
            int32_t mask = world->maze[x][y].doors;
            int32_t expected = library.first[mask] + int32_t(nextBelow(draws, library.count[mask]));
            ASSERT_EQ(world->maze[x][y].templateIndex, expected) << x << "," << y;
        }
    }
}

TEST_F(TemplateChoiceTest, AMaskWithoutTemplatesNeverReadsPastTheLibrary) {
    // Mask 7 empty: its cells take the first template of mask 8. Mask 15 empty and
    // last: nothing follows, so its cells get an open room with their doors.
    std::vector<int32_t> counts(MaskCount, 1);
    counts[7] = 0;
    counts[15] = 0;
    TemplateLibrary library(counts);
    run(library);
    int32_t sevens = 0, fifteens = 0;
    for (int32_t x = 0; x < WorldRooms; x++) {
        for (int32_t y = 0; y < WorldRooms; y++) {
            const MazeCell& cell = world->maze[x][y];
            const Room& room = world->rooms[x][y];
            if (cell.doors == 7) {
                sevens++;
                EXPECT_EQ(cell.templateIndex, library.first[8]);
                EXPECT_EQ(room.doorMask, 8);
            } else if (cell.doors == 15) {
                fifteens++;
                EXPECT_EQ(cell.templateIndex, NoTemplate);
                EXPECT_EQ(room.doorMask, 15);
                EXPECT_EQ(room.spawnCount, 0);
                for (int32_t row = 0; row < RoomTiles; row++) {
                    for (int32_t col = 0; col < RoomTiles; col++) {
                        EXPECT_EQ(room.tiles[row][col], 0);
                        EXPECT_EQ(world->collisionGrid[y * RoomTiles + row][x * RoomTiles + col], 0);
                    }
                }
            } else {
                EXPECT_EQ(room.doorMask, cell.doors);
            }
        }
    }
    EXPECT_GT(sevens, 0) << "the fixed maze has a room with mask 7";
    EXPECT_GT(fifteens, 0) << "the fixed maze has a room with mask 15";
}

}  // namespace
