#include "worldgen/maze.h"

#include <algorithm>

#include "shell/world.h"
#include "worldgen/frontier_list.h"
#include "worldgen/maze_picture.h"

namespace {

constexpr int32_t RootX = 25;
constexpr int32_t RootY = 25;
constexpr int32_t NewestCells = 4;  // how far back the newest-cell rule looks in list 1
constexpr uint32_t Percent = 100;
constexpr uint32_t NewestRulePercent = 60;  // below: one of the newest cells of list 1
constexpr uint32_t AnyOfList1Percent = 5;   // below (else): anywhere in list 1, otherwise list 2

struct Direction {
    int32_t dx, dy;
    int32_t cellDoor;       // the opening the carved cell gains
    int32_t neighbourDoor;  // the opening its neighbour gains
};

// Indexed by the direction draw.
constexpr Direction Directions[4] = {
    {-1, 0, DoorLeft, DoorRight},
    {1, 0, DoorRight, DoorLeft},
    {0, -1, DoorUp, DoorDown},
    {0, 1, DoorDown, DoorUp},
};

bool inGrid(int32_t x, int32_t y) { return x >= 0 && x < WorldRooms && y >= 0 && y < WorldRooms; }

void touchCell(MazeGrowth& growth, int32_t x, int32_t y) {
    if (!inGrid(x, y)) return;
    MazeCell& cell = world->maze[x][y];
    if (cell.state == CellInList1) {
        removeFromList(growth.list1head, cell);
        insertFront(growth.list2head, cell);
    } else if (cell.state == CellUntouched) {
        insertFront(growth.list1head, cell);
    }
}

// A frontier cell always has a carved neighbour: the one that touched it.
void openToCarvedNeighbour(MazeRandom& random, MazeCell& cell) {
    for (;;) {
        const Direction& direction = Directions[nextBelow(random, 4)];
        int32_t x = cell.x + direction.dx;
        int32_t y = cell.y + direction.dy;
        if (inGrid(x, y) && world->maze[x][y].state == CellCarved) {
            world->maze[x][y].doors |= direction.neighbourDoor;
            cell.doors |= direction.cellDoor;
            return;
        }
    }
}

void carveCell(MazeGrowth& growth, MazeCell& cell) {
    if (cell.prev) {
        removeFromList(cell.state == CellInList1 ? growth.list1head : growth.list2head, cell);
        openToCarvedNeighbour(growth.random, cell);
    }
    cell.state = CellCarved;
    touchCell(growth, cell.x + 1, cell.y);
    touchCell(growth, cell.x - 1, cell.y);
    touchCell(growth, cell.x, cell.y + 1);
    touchCell(growth, cell.x, cell.y - 1);
}

MazeCell* anyCellOf(MazeGrowth& growth, const MazeCell& head) {
    return cellAtPosition(head, int32_t(nextBelow(growth.random, uint32_t(head.state))));
}

// Every cell of the grid, carved or not, row by row, continuing the maze's draws.
void chooseTemplates(MazeRandom& random) {
    int32_t templateCount = 0;
    for (int32_t count : world->templateCountByMask) templateCount += count;
    for (int32_t y = 0; y < WorldRooms; y++) {
        for (int32_t x = 0; x < WorldRooms; x++) {
            MazeCell& cell = world->maze[x][y];
            int32_t index = world->firstTemplateByMask[cell.doors] +
                            int32_t(nextBelow(random, uint32_t(world->templateCountByMask[cell.doors])));
            // A mask without templates lands on the next mask's first one, or past the last.
            cell.templateIndex = index >= 0 && index < templateCount ? index : NoTemplate;
        }
    }
}

}  // namespace

int32_t newestCellPosition(MazeRandom& random, int32_t listCount) {
    return int32_t(nextBelow(random, uint32_t(std::clamp(listCount, 0, NewestCells))));
}

void startMaze(MazeGrowth& growth) {
    // Always the whole grid: growth may reach any cell, and a cell left from an
    // earlier run would still link into that run's lists.
    for (int32_t x = 0; x < WorldRooms; x++) {
        for (int32_t y = 0; y < WorldRooms; y++)
            world->maze[x][y] = MazeCell{nullptr, nullptr, CellUntouched, x, y, 0, 0};
    }
    clearList(growth.list1head);
    clearList(growth.list2head);
    growth.random.seed = MazeSeed;
    carveCell(growth, world->maze[RootX][RootY]);
}

void carveNextCell(MazeGrowth& growth) {
    MazeCell& list1 = growth.list1head;
    MazeCell* cell;
    if (growth.list2head.state == 0) {
        cell = anyCellOf(growth, list1);
    } else if (nextBelow(growth.random, Percent) < NewestRulePercent) {
        cell = cellAtPosition(list1, newestCellPosition(growth.random, list1.state));
    } else if (nextBelow(growth.random, Percent) < AnyOfList1Percent) {
        cell = anyCellOf(growth, list1);
    } else {
        cell = anyCellOf(growth, growth.list2head);
    }
    // Only an empty list gives no cell, which the 50 x 50 grid never leaves.
    if (cell) carveCell(growth, *cell);
}

void generateMaze(int32_t /*width*/, int32_t /*height*/) {
    MazePicture picture;
    startMazePicture(&picture);
    MazeGrowth growth;
    startMaze(growth);
    for (int32_t carved = 1; carved < MazeCarvedCells; carved++) carveNextCell(growth);
    if (picture.file) writeMazePicture(picture.file);
    chooseTemplates(growth.random);
    finishMazePicture(&picture);
}
