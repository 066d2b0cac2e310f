#include "content/data_file.h"

#include <cerrno>
#include <cstring>

#include "content/content_error.h"
#include "shell/os/os.h"

namespace {

// Named by the kinds FileFifo onwards.
const char* const OtherKinds[] = {"a FIFO", "a device", "a socket", "something else"};

}  // namespace

FILE* openDataFile(const char* path, const char* mode) {
    FileKind kind;
    FILE* file = osOpenRegularFile(path, mode, &kind);
    if (kind == FileMissing) {
        reportContentError(path, "cannot open (%s)", strerror(errno));
    } else if (kind == FileUnreadable || kind == FileFolder) {
        reportContentError(path, "cannot be read (%s)", strerror(kind == FileFolder ? EISDIR : errno));
    } else if (kind != FileRegular) {
        reportContentError(path, "is %s, not a regular file", OtherKinds[kind - FileFifo]);
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
