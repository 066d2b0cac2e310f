#include "content/data_file.h"

#include <cerrno>
#include <cstring>

#include "content/content_error.h"
#include "shell/os/os.h"

FILE* openDataFile(const char* path, const char* mode) {
    FileKind kind;
    FILE* file = osOpenRegularFile(path, mode, &kind);
    switch (kind) {
        case FileRegular: break;
        case FileMissing: reportContentError(path, "cannot open (%s)", strerror(errno)); break;
        case FileUnreadable: reportContentError(path, "cannot be read (%s)", strerror(errno)); break;
        case FileFolder: reportContentError(path, "cannot be read (%s)", strerror(EISDIR)); break;
        case FileFifo: reportContentError(path, "is a FIFO, not a regular file"); break;
        case FileDevice: reportContentError(path, "is a device, not a regular file"); break;
        case FileSocket: reportContentError(path, "is a socket, not a regular file"); break;
        case FileOther: reportContentError(path, "is something else, not a regular file"); break;
    }
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
