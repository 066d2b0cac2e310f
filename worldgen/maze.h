// The fixed-seed maze of 50 rooms grown from the centre.
#pragma once
#include <cstdint>
#include "shell/numbers.h"

constexpr uint32_t MazeSeed = 11;
constexpr int MazeCarvedCells = 50;
constexpr int32_t NoTemplate = -1;  // templateIndex of a cell whose door mask has no template

struct MazeCell {
    MazeCell* prev;         // previous in its frontier list (the head for the first)
    MazeCell* next;         // next in its frontier list, null at the end
    int32_t state;          // 0 untouched, 1 list 1, 2 list 2, 3 carved
    int32_t x;              // column 0..49
    int32_t y;              // row 0..49, 0 at the top
    int32_t doors;          // 1 right, 2 left, 4 up, 8 down
    int32_t templateIndex;  // chosen room template, or NoTemplate
};

enum MazeCellState : int32_t {
    CellUntouched = 0,
    CellInList1 = 1,
    CellInList2 = 2,
    CellCarved = 3,
};

struct MazeRandom {
    uint32_t seed;
};

// One run of the generator. The list heads are MazeCell-shaped: state holds the
// count, x and y are -1. The first cell of a list points back at its head, so a
// growth must stay where it was started.
struct MazeGrowth {
    MazeCell list1head;  // cells next to one carved cell
    MazeCell list2head;  // cells that have been next to a carved cell twice
    MazeRandom random;
};

// A number in [0, n), from the low 16 bits of the stepped state; 0 for n = 0.
uint32_t nextBelow(MazeRandom& random, uint32_t n);

// Position, from the front of list 1, for the rule that takes one of its four
// newest cells: one draw, among fewer cells when the list holds fewer.
int32_t newestCellPosition(MazeRandom& random, int32_t listCount);

// Resets the whole grid and the growth, then carves the centre cell.
void startMaze(MazeGrowth& growth);
// One pass of growth: carves one frontier cell and opens it to one carved neighbour.
void carveNextCell(MazeGrowth& growth);

// Fills the World's maze and template choice, and writes "happy.txt". The
// generator always grows on, and resets, the whole 50 x 50 grid; the caller
// passes (50, 50).
void generateMaze(int32_t width, int32_t height);
