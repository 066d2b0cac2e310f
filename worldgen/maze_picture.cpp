#include "worldgen/maze_picture.h"

#include <cerrno>
#include <cstring>

#include "shell/world.h"

FILE* startMazePicture() {
    FILE* file = fopen(MazePicturePath, "w+");
    if (!file) {
        fprintf(stderr, "%s: cannot write the maze picture: %s\n", MazePicturePath, strerror(errno));
        return nullptr;
    }
    fputs("hello?", file);
    return file;
}

void writeMazePicture(FILE* file) {
    for (int32_t y = 0; y < WorldRooms; y++) {
        for (int32_t x = 0; x < WorldRooms; x++) {
            const MazeCell& cell = world->maze[x][y];
            fprintf(file, "%c%s", cell.state == CellCarved ? '#' : ' ', (cell.doors & DoorRight) ? "--" : "  ");
        }
        fputc('\n', file);
        for (int32_t x = 0; x < WorldRooms; x++) {
            fprintf(file, "%c  ", (world->maze[x][y].doors & DoorDown) ? '|' : ' ');
        }
        fputc('\n', file);
    }
}
