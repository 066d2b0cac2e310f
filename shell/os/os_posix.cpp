#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>

#include "shell/os/os.h"

namespace {

constexpr int EndingSignals[] = {SIGTERM, SIGINT, SIGHUP};
constexpr int EndingSignalCount = 3;
// SDL makes these two a quit event; a hangup it leaves alone (nohup may be ignoring it).
constexpr int QuittingSignals[] = {SIGTERM, SIGINT};
constexpr int QuittingSignalCount = 2;

struct sigaction heldBefore[EndingSignalCount];
struct sigaction restoredBefore[QuittingSignalCount];
// The ending signal that came while held, or 0; set from any thread.
std::atomic<int> signalWaiting{0};
int savedStandardError = -1;

void keepSignal(int number) { signalWaiting = number; }

FileKind kindOf(mode_t mode) {
    if (S_ISREG(mode)) return FileRegular;
    if (S_ISDIR(mode)) return FileFolder;
    if (S_ISFIFO(mode)) return FileFifo;
    if (S_ISCHR(mode) || S_ISBLK(mode)) return FileDevice;
    if (S_ISSOCK(mode)) return FileSocket;
    return FileOther;
}

}  // namespace

FILE* osOpenRegularFile(const char* path, const char* mode, FileKind* kind) {
    // Not blocking, so that a FIFO without a writer is seen for what it is.
    int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *kind = FileMissing;
        return nullptr;
    }
    struct stat info;
    FILE* file = nullptr;
    if (fstat(fd, &info) != 0) {
        *kind = FileUnreadable;
    } else if ((*kind = kindOf(info.st_mode)) != FileRegular) {
        errno = 0;
    } else if (fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0 || !(file = fdopen(fd, mode))) {
        *kind = FileUnreadable;
    }
    if (!file) {
        int error = errno;
        close(fd);
        errno = error;
    }
    return file;
}

bool osIsFolder(const char* path) {
    struct stat info;
    return stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

long long osFileLength(FILE* file) {
    struct stat info;
    return fstat(fileno(file), &info) == 0 ? (long long)info.st_size : -1;
}

FILE* osCreateNewFile(const char* base, char* path, size_t size) {
    snprintf(path, size, "%s.XXXXXX", base);
    // mkstemp makes a file of its own: nothing planted can stand in its place.
    int fd = mkstemp(path);
    FILE* file = fd < 0 ? nullptr : fdopen(fd, "w+");
    if (!file && fd >= 0) {
        int error = errno;
        close(fd);
        unlink(path);
        errno = error;
    }
    if (!file) return nullptr;
    // As open permissions as a file fopen makes, rather than mkstemp's owner-only ones.
    mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    return file;
}

bool osReplaceFile(const char* from, const char* to) { return rename(from, to) == 0; }

// Blocking the signals would not do: another thread (the sound's, the GL driver's) takes them.
void osHoldEndingSignals() {
    struct sigaction hold = {};
    hold.sa_handler = keepSignal;
    hold.sa_flags = SA_RESTART;
    sigfillset(&hold.sa_mask);
    signalWaiting = 0;
    for (int i = 0; i < EndingSignalCount; i++) sigaction(EndingSignals[i], &hold, &heldBefore[i]);
}

void osReleaseEndingSignals() {
    for (int i = 0; i < EndingSignalCount; i++) sigaction(EndingSignals[i], &heldBefore[i], nullptr);
    if (int number = signalWaiting.exchange(0)) raise(number);
}

void osEndAtOnceOnSignals() {
    struct sigaction byDefault = {};
    byDefault.sa_handler = SIG_DFL;
    for (int i = 0; i < QuittingSignalCount; i++) sigaction(QuittingSignals[i], &byDefault, &restoredBefore[i]);
}

void osRestoreSignals() {
    for (int i = 0; i < QuittingSignalCount; i++) sigaction(QuittingSignals[i], &restoredBefore[i], nullptr);
}

void osSilenceStandardError() {
    fflush(stderr);
    savedStandardError = dup(STDERR_FILENO);
    int nowhere = open("/dev/null", O_WRONLY);
    if (savedStandardError >= 0 && nowhere >= 0) dup2(nowhere, STDERR_FILENO);
    if (nowhere >= 0) close(nowhere);
}

void osRestoreStandardError() {
    if (savedStandardError < 0) return;
    dup2(savedStandardError, STDERR_FILENO);
    close(savedStandardError);
    savedStandardError = -1;
}

void osEnterGameFolder() {}

void osFillClosedStandardStreams() {
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; fd++) {
        if (fcntl(fd, F_GETFD) == -1 && errno == EBADF) open("/dev/null", O_RDWR);
    }
}
