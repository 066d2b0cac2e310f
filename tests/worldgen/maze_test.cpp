#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <queue>
#include <set>
#include <sstream>

#include "tests/support/test_world.h"
#include "tests/worldgen/worldgen_fixture.h"
#include "worldgen/frontier_list.h"
#include "worldgen/maze.h"

namespace {

using Cell = std::pair<int32_t, int32_t>;

struct Opening {
    int32_t bit, dx, dy, opposite;
};
const Opening Openings[] = {
    {DoorRight, 1, 0, DoorLeft},
    {DoorLeft, -1, 0, DoorRight},
    {DoorUp, 0, -1, DoorDown},
    {DoorDown, 0, 1, DoorUp},
};

bool inGrid(int32_t x, int32_t y) { return x >= 0 && x < WorldRooms && y >= 0 && y < WorldRooms; }

class MazeTest : public ::testing::Test {
protected:
    void SetUp() override {
        library.install();
        generateMaze(WorldRooms, WorldRooms);
    }
    TestWorld testWorld;
    ScratchWorkingDir folder;
    TemplateLibrary library{std::vector<int32_t>(MaskCount, 1)};
};

TEST_F(MazeTest, IsTheSameOnEveryRun) {
    std::vector<int32_t> layout = mazeLayout(), templates = mazeTemplates();
    std::string firstPicture = folder.read("happy.txt");
    generateMaze(WorldRooms, WorldRooms);
    EXPECT_EQ(mazeLayout(), layout);
    EXPECT_EQ(mazeTemplates(), templates);
    EXPECT_EQ(folder.read("happy.txt"), firstPicture);
}

TEST_F(MazeTest, HasFiftyCellsAroundTheCentre) {
    std::vector<Cell> carved = carvedCells();
    EXPECT_EQ(carved.size(), 50u);
    for (const Cell& cell : carved) {
        EXPECT_GE(cell.first, 19);
        EXPECT_LE(cell.first, 32);
        EXPECT_GE(cell.second, 18);
        EXPECT_LE(cell.second, 27);
    }
    EXPECT_EQ(world->maze[25][25].state, CellCarved);
    EXPECT_EQ(world->maze[25][25].doors, DoorRight | DoorLeft);
}

TEST_F(MazeTest, IsATreeOfPairedOpenings) {
    int32_t openings = 0;
    for (int32_t x = 0; x < WorldRooms; x++) {
        for (int32_t y = 0; y < WorldRooms; y++) {
            const MazeCell& cell = world->maze[x][y];
            EXPECT_EQ(cell.x, x);
            EXPECT_EQ(cell.y, y);
            if (cell.state != CellCarved) {
                EXPECT_EQ(cell.doors, 0) << "uncarved " << x << "," << y;
                continue;
            }
            for (const Opening& opening : Openings) {
                if (!(cell.doors & opening.bit)) continue;
                openings++;
                int32_t nx = x + opening.dx, ny = y + opening.dy;
                ASSERT_TRUE(inGrid(nx, ny)) << x << "," << y << " opens out of the grid";
                EXPECT_EQ(world->maze[nx][ny].state, CellCarved) << x << "," << y << " opens to an uncarved cell";
                EXPECT_TRUE(world->maze[nx][ny].doors & opening.opposite) << x << "," << y << " opening not paired";
            }
        }
    }
    EXPECT_EQ(openings, 2 * 49) << "each connection counts from both sides";

    std::set<Cell> reached{{25, 25}};
    std::queue<Cell> open;
    open.push({25, 25});
    while (!open.empty()) {
        auto [x, y] = open.front();
        open.pop();
        for (const Opening& opening : Openings) {
            if (!(world->maze[x][y].doors & opening.bit)) continue;
            if (reached.insert({x + opening.dx, y + opening.dy}).second) open.push({x + opening.dx, y + opening.dy});
        }
    }
    std::vector<Cell> carved = carvedCells();
    EXPECT_EQ(std::set<Cell>(carved.begin(), carved.end()), reached);
}

TEST_F(MazeTest, UsesEveryDoorMask) {
    std::set<int32_t> masks;
    for (const Cell& cell : carvedCells()) masks.insert(world->maze[cell.first][cell.second].doors);
    for (int32_t mask = 1; mask < MaskCount; mask++) EXPECT_TRUE(masks.count(mask)) << "mask " << mask;
}

TEST(MazeGrowth, CarvesOneCellAPassStartingFromTheCentre) {
    TestWorld testWorld;
    MazeGrowth growth;
    startMaze(growth);
    ASSERT_EQ(carvedCells(), (std::vector<Cell>{{25, 25}}));
    EXPECT_EQ(growth.list1head.state, 4) << "the root's four neighbours";
    EXPECT_EQ(growth.list2head.state, 0);

    std::vector<Cell> order{{25, 25}};
    std::set<Cell> before{{25, 25}};
    for (int32_t pass = 1; pass < 50; pass++) {
        carveNextCell(growth);
        std::vector<Cell> now = carvedCells();
        ASSERT_EQ(now.size(), before.size() + 1) << "pass " << pass;
        for (const Cell& cell : now) {
            if (!before.count(cell)) order.push_back(cell);
        }
        before.insert(now.begin(), now.end());
    }
    EXPECT_EQ(std::vector<Cell>(order.begin(), order.begin() + 5),
              (std::vector<Cell>{{25, 25}, {26, 25}, {26, 24}, {25, 24}, {24, 25}}));

    // The whole-maze run carves the same cells as the passes.
    std::vector<int32_t> stepped = mazeLayout();
    ScratchWorkingDir folder;
    generateMaze(WorldRooms, WorldRooms);
    EXPECT_EQ(mazeLayout(), stepped);
    EXPECT_EQ(carvedCells().size(), 50u);
}

// From other seeds too, each pass carves the cell that its own draws name: r first,
// then s, then the position, in the list the rule picks.
TEST(MazeGrowth, EachPassCarvesTheCellItsDrawsName) {
    TestWorld testWorld;
    enum Rule { OnlyList1, NewestOfList1, AnyOfList1, AnyOfList2, RuleCount };
    int32_t seen[RuleCount] = {};
    for (uint32_t seed = 0; seed < 40; seed++) {
        MazeGrowth growth;
        startMaze(growth);
        growth.random.seed = seed;
        for (int32_t pass = 1; pass < 50; pass++) {
            MazeRandom draws = growth.random;
            const MazeCell& list1 = growth.list1head;
            const MazeCell& list2 = growth.list2head;
            Rule rule = list2.state == 0                ? OnlyList1
                        : nextBelow(draws, 100) < 60    ? NewestOfList1
                        : nextBelow(draws, 100) < 5     ? AnyOfList1
                                                        : AnyOfList2;
            uint32_t choices = rule == AnyOfList2 ? list2.state : rule == NewestOfList1 ? std::min(list1.state, 4) : list1.state;
            const MazeCell* expected = cellAtPosition(rule == AnyOfList2 ? list2 : list1, nextBelow(draws, choices));
            ASSERT_NE(expected, nullptr);
            carveNextCell(growth);
            ASSERT_EQ(expected->state, CellCarved) << "seed " << seed << " pass " << pass << " rule " << rule;
            seen[rule]++;
        }
    }
    for (int32_t rule = 0; rule < RuleCount; rule++) EXPECT_GT(seen[rule], 0) << "rule " << rule;
}

TEST_F(MazeTest, PictureShowsTheMazeInHundredLinesOfHundredFifty) {
    std::string picture = folder.read("happy.txt");
    ASSERT_EQ(picture.compare(0, 6, "hello?"), 0);
    std::istringstream lines(picture.substr(6));
    std::vector<std::string> rows;
    for (std::string line; std::getline(lines, line);) rows.push_back(line);
    ASSERT_EQ(rows.size(), 100u);
    EXPECT_EQ(picture.back(), '\n');
    int32_t hashes = 0;
    for (int32_t y = 0; y < WorldRooms; y++) {
        const std::string& cells = rows[2 * y];
        const std::string& links = rows[2 * y + 1];
        ASSERT_EQ(cells.size(), 150u) << "row " << y;
        ASSERT_EQ(links.size(), 150u) << "row " << y;
        for (int32_t x = 0; x < WorldRooms; x++) {
            const MazeCell& cell = world->maze[x][y];
            bool carved = cell.state == CellCarved;
            hashes += carved;
            EXPECT_EQ(cells.substr(3 * x, 3), std::string(carved ? "#" : " ") + ((cell.doors & DoorRight) ? "--" : "  "))
                << x << "," << y;
            EXPECT_EQ(links.substr(3 * x, 3), std::string((cell.doors & DoorDown) ? "|" : " ") + "  ") << x << "," << y;
        }
    }
    EXPECT_EQ(hashes, 50);
}

// happy.txt is replaced whole or not at all: a link planted under its name is replaced,
// never written through, and a failed write leaves the file and the maze as they were.
TEST(MazePicture, IsReplacedWholeNeverThroughALink) {
    TestWorld testWorld;
    TemplateLibrary library(std::vector<int32_t>(MaskCount, 2));
    library.install();
    std::vector<int32_t> layout, templates;
    {
        ScratchWorkingDir writable;
        generateMaze(WorldRooms, WorldRooms);
        layout = mazeLayout();
        templates = mazeTemplates();
    }
    const rlim_t unlimited = RLIM_INFINITY, oneKilobyte = 1024;
    struct Case {
        const char* name;
        int (*plant)();
        rlim_t fileSizeLimit;  // a full disk, as far as the game can tell
        bool written;
    } cases[] = {
        {"symbolic link", [] { return symlink("victim", "happy.txt"); }, unlimited, true},
        {"hard link", [] { return link("victim", "happy.txt"); }, unlimited, true},
        {"folder in the way", [] { return mkdir("happy.txt", 0755); }, unlimited, false},  // stops even root
        {"disk full", [] { return link("victim", "happy.txt"); }, oneKilobyte, false},
    };
    signal(SIGXFSZ, SIG_IGN);
    for (const Case& c : cases) {
        for (MazeCell& cell : world->maze[0]) cell.doors = 99;
        ScratchWorkingDir folder;
        std::ofstream("victim") << "victim\n";
        ASSERT_EQ(c.plant(), 0) << c.name;
        rlimit limit{c.fileSizeLimit, unlimited};
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
        testing::internal::CaptureStderr();
        generateMaze(WorldRooms, WorldRooms);
        std::string message = testing::internal::GetCapturedStderr();
        limit.rlim_cur = unlimited;
        setrlimit(RLIMIT_FSIZE, &limit);

        EXPECT_TRUE(folder.read("victim") == "victim\n") << c.name;
        EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), c.written ? 0 : 1) << c.name << message;
        EXPECT_NE(message.find(c.written ? "" : "happy.txt: cannot write the maze picture"), std::string::npos);
        struct stat file;
        EXPECT_EQ(lstat("happy.txt", &file) == 0 && S_ISREG(file.st_mode) && file.st_nlink == 1, c.written) << c.name;
        EXPECT_EQ(folder.read("happy.txt").rfind("hello?", 0) == 0, c.written) << c.name;
        EXPECT_EQ(folder.entries(), 2) << c.name << ": no half-written file is left behind";
        EXPECT_EQ(mazeLayout(), layout) << c.name;
        EXPECT_EQ(mazeTemplates(), templates) << c.name;
    }
    signal(SIGXFSZ, SIG_DFL);
}

}  // namespace
