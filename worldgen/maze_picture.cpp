#include "worldgen/maze_picture.h"

#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "shell/world.h"

namespace {

constexpr int EndingSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The ending signal that came while the new file existed, or 0; set from any thread.
std::atomic<int> signalWaiting{0};

void keepSignal(int number) { signalWaiting = number; }

// A kill between the new file's making and its rename would leave it behind. Blocking
// the signals would not do: another thread (the sound's, the GL driver's) takes them.
void holdEndingSignals(MazePicture* picture) {
    struct sigaction hold = {};
    hold.sa_handler = keepSignal;
    hold.sa_flags = SA_RESTART;
    sigfillset(&hold.sa_mask);
    signalWaiting = 0;
    for (int i = 0; i < 3; i++) sigaction(EndingSignals[i], &hold, &picture->endingBefore[i]);
}

void releaseEndingSignals(const MazePicture* picture) {
    for (int i = 0; i < 3; i++) sigaction(EndingSignals[i], &picture->endingBefore[i], nullptr);
    if (int number = signalWaiting.exchange(0)) raise(number);
}

void reportFailure(int error) {
    fprintf(stderr, "%s: cannot write the maze picture: %s\n", MazePicturePath, strerror(error));
}

}  // namespace

void startMazePicture(MazePicture* picture) {
    holdEndingSignals(picture);
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
        releaseEndingSignals(picture);
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
    if (!written || rename(picture->path, MazePicturePath) != 0) {
        if (written) error = errno;
        unlink(picture->path);
        reportFailure(error ? error : EIO);
    }
    releaseEndingSignals(picture);
}
