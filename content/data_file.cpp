#include "content/data_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "content/content_error.h"

namespace {

const char* kindOf(mode_t mode) {
    if (S_ISFIFO(mode)) return "a FIFO";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
    if (S_ISSOCK(mode)) return "a socket";
    return "something else";
}

}  // namespace

FILE* openDataFile(const char* path, const char* mode) {
    // Not blocking, so that a FIFO without a writer is seen for what it is.
    int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        reportContentError(path, "cannot open (%s)", strerror(errno));
        return nullptr;
    }
    struct stat info;
    FILE* file = nullptr;
    if (fstat(fd, &info) != 0) {
        reportContentError(path, "cannot be read (%s)", strerror(errno));
    } else if (S_ISDIR(info.st_mode)) {
        reportContentError(path, "cannot be read (%s)", strerror(EISDIR));
    } else if (!S_ISREG(info.st_mode)) {
        reportContentError(path, "is %s, not a regular file", kindOf(info.st_mode));
    } else if (fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0 || !(file = fdopen(fd, mode))) {
        reportContentError(path, "cannot be read (%s)", strerror(errno));
    }
    if (!file) close(fd);
    return file;
}

FILE* openTextFile(const char* path) {
    FILE* file = openDataFile(path, "r");
    if (!file) return nullptr;
    const char mark[] = "\xef\xbb\xbf";
    char start[sizeof mark - 1];
    if (fread(start, 1, sizeof start, file) == sizeof start && memcmp(start, mark, sizeof start) == 0) {
        reportContentError(path, "starts with a UTF-8 byte-order mark; save it without one");
        fclose(file);
        return nullptr;
    }
    rewind(file);
    return file;
}
