// The fixed-seed maze of 50 rooms grown from the centre.
#pragma once
#include <cstdint>

constexpr uint32_t MazeSeed = 11;
constexpr int MazeCarvedCells = 50;

struct MazeCell {
    MazeCell* prev;         // previous in its frontier list (the head for the first)
    MazeCell* next;         // next in its frontier list, null at the end
    int32_t state;          // 0 untouched, 1 list 1, 2 list 2, 3 carved
    int32_t x;              // column 0..49
    int32_t y;              // row 0..49, 0 at the top
    int32_t doors;          // 1 right, 2 left, 4 up, 8 down
    int32_t templateIndex;  // chosen room template
};

struct MazeRandom {
    uint32_t seed;
};

// A number in [0, n), from the low 16 bits of the stepped state; 0 for n = 0.
uint32_t nextBelow(MazeRandom& random, uint32_t n);

// Fills the World's maze and template choice, and writes "happy.txt".
void generateMaze(int32_t width, int32_t height);
