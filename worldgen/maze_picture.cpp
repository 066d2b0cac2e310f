#include "worldgen/maze_picture.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "shell/world.h"

namespace {

void reportFailure(int error) {
    fprintf(stderr, "%s: cannot write the maze picture: %s\n", MazePicturePath, strerror(error));
}

}  // namespace

void startMazePicture(MazePicture* picture) {
    snprintf(picture->path, sizeof picture->path, "%s.XXXXXX", MazePicturePath);
    // mkstemp makes a file of its own: nothing planted can stand in its place.
    int fd = mkstemp(picture->path);
    picture->file = fd < 0 ? nullptr : fdopen(fd, "w+");
    if (!picture->file) {
        int error = errno;
        if (fd >= 0) {
            close(fd);
            unlink(picture->path);
        }
        reportFailure(error);
        return;
    }
    // As open permissions as a file fopen makes, rather than mkstemp's owner-only ones.
    mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
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
    if (written && rename(picture->path, MazePicturePath) == 0) return;
    if (written) error = errno;
    unlink(picture->path);
    reportFailure(error ? error : EIO);
}
