// The text picture of the maze, "happy.txt", for looking at by hand.
#pragma once
#include <cstdio>

constexpr const char* MazePicturePath = "happy.txt";

// Creates the file and writes its greeting. Null, after one line on standard
// error, when it cannot be created: the picture is only debug output.
FILE* startMazePicture();
// Two lines a row of the grid: the cells with their right openings, then the downward ones.
void writeMazePicture(FILE* file);
