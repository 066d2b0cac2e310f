// The text picture of the maze, "happy.txt", for looking at by hand.
#pragma once
#include <cstdio>

constexpr const char* MazePicturePath = "happy.txt";

// The picture being written: a new file beside happy.txt that takes its place
// when complete, so a link planted under that name is replaced, never followed.
struct MazePicture {
    FILE* file;  // null when it could not be made
    char path[32];
};

// Creates the new file and writes its greeting. On failure the file is null,
// after one line on standard error: the picture is only debug output. While the
// new file exists, the signals that end a game from outside wait: they take effect,
// as they were handled before, once it has been put in place or removed.
void startMazePicture(MazePicture* picture);
// Two lines a row of the grid: the cells with their right openings, then the downward ones.
void writeMazePicture(FILE* file);
// Closes the file and puts it in place of happy.txt; a failed write (a full
// disk, say) gives one line on standard error and leaves happy.txt as it was.
void finishMazePicture(MazePicture* picture);
