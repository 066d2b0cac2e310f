#include "worldgen/maze_picture.h"

#include <cerrno>
#include <cstring>

#include "shell/os/os.h"
#include "shell/world.h"

namespace {

void reportFailure(int error) {
    fprintf(stderr, "%s: cannot write the maze picture: %s\n", MazePicturePath, strerror(error));
}

}  // namespace

void startMazePicture(MazePicture* picture) {
    // A kill between the new file's making and its rename would leave it behind.
    osHoldEndingSignals();
    picture->file = osCreateNewFile(MazePicturePath, picture->path, sizeof picture->path);
    if (!picture->file) {
        reportFailure(errno);
        osReleaseEndingSignals();
        return;
    }
    fputs("hello?", picture->file);
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

void finishMazePicture(MazePicture* picture) {
    if (!picture->file) return;
    errno = 0;
    bool written = fflush(picture->file) == 0 && !ferror(picture->file);
    int error = errno;
    if (fclose(picture->file) != 0 && written) {
        written = false;
        error = errno;
    }
    if (!written || !osReplaceFile(picture->path, MazePicturePath)) {
        if (written) error = errno;
        remove(picture->path);
        reportFailure(error ? error : EIO);
    }
    osReleaseEndingSignals();
}
