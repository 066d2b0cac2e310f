#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cwchar>

#include "shell/os/os.h"

namespace {

// Windows has no hangup; the C library raises these two itself.
constexpr int EndingSignals[] = {SIGTERM, SIGINT};
constexpr int EndingSignalCount = 2;

using Handler = void (*)(int);
Handler heldBefore[EndingSignalCount];
Handler restoredBefore[EndingSignalCount];
std::atomic<int> signalWaiting{0};
int savedStandardError = -1;

void keepSignal(int number) {
    signal(number, keepSignal);
    signalWaiting = number;
}

FileKind kindOf(HANDLE handle) {
    switch (GetFileType(handle)) {
    case FILE_TYPE_DISK: return FileRegular;
    case FILE_TYPE_CHAR: return FileDevice;
    case FILE_TYPE_PIPE: return FileFifo;
    default: return FileOther;
    }
}

}  // namespace

// Binary whatever the mode, as on Linux: the readers take a carriage return for a space, and
// text mode would end a file at its first Ctrl-Z.
FILE* osOpenRegularFile(const char* path, const char*, FileKind* kind) {
    int fd = _open(path, _O_RDONLY | _O_NOINHERIT | _O_BINARY);
    if (fd < 0) {
        // The C library cannot open a folder and says only "permission denied".
        if (errno == EACCES && osIsFolder(path)) {
            *kind = FileFolder;
            errno = 0;
            return nullptr;
        }
        *kind = FileMissing;
        return nullptr;
    }
    FILE* file = nullptr;
    if ((*kind = kindOf(HANDLE(_get_osfhandle(fd)))) != FileRegular) {
        errno = 0;
    } else if (!(file = _fdopen(fd, "rb"))) {
        *kind = FileUnreadable;
    }
    if (!file) {
        int error = errno;
        _close(fd);
        errno = error;
    }
    return file;
}

bool osIsFolder(const char* path) {
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

long long osFileLength(FILE* file) { return _filelengthi64(_fileno(file)); }

FILE* osCreateNewFile(const char* base, char* path, size_t size) {
    for (int attempt = 0; attempt < 100; attempt++) {
        snprintf(path, size, "%s.XXXXXX", base);
        if (_mktemp_s(path, size) != 0) break;
        // Made here and now, or not at all: nothing planted can stand in its place.
        int fd = _open(path, _O_RDWR | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) return nullptr;
        FILE* file = _fdopen(fd, "w+b");
        if (!file) {
            int error = errno;
            _close(fd);
            _unlink(path);
            errno = error;
        }
        return file;
    }
    errno = EEXIST;
    return nullptr;
}

bool osReplaceFile(const char* from, const char* to) {
    if (MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    errno = GetLastError() == ERROR_ACCESS_DENIED ? EACCES : EIO;
    return false;
}

void osHoldEndingSignals() {
    signalWaiting = 0;
    for (int i = 0; i < EndingSignalCount; i++) heldBefore[i] = signal(EndingSignals[i], keepSignal);
}

void osReleaseEndingSignals() {
    for (int i = 0; i < EndingSignalCount; i++) signal(EndingSignals[i], heldBefore[i]);
    if (int number = signalWaiting.exchange(0)) raise(number);
}

void osEndAtOnceOnSignals() {
    for (int i = 0; i < EndingSignalCount; i++) restoredBefore[i] = signal(EndingSignals[i], SIG_DFL);
}

void osRestoreSignals() {
    for (int i = 0; i < EndingSignalCount; i++) signal(EndingSignals[i], restoredBefore[i]);
}

void osSilenceStandardError() {
    fflush(stderr);
    savedStandardError = _dup(_fileno(stderr));
    int nowhere = _open("NUL", _O_WRONLY);
    if (savedStandardError >= 0 && nowhere >= 0) _dup2(nowhere, _fileno(stderr));
    if (nowhere >= 0) _close(nowhere);
}

void osRestoreStandardError() {
    if (savedStandardError < 0) return;
    fflush(stderr);
    _dup2(savedStandardError, _fileno(stderr));
    _close(savedStandardError);
    savedStandardError = -1;
}

void osEnterGameFolder() {
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length == MAX_PATH) return;
    wchar_t* name = wcsrchr(path, L'\\');
    if (!name) return;
    *name = L'\0';
    SetCurrentDirectoryW(path);
}

// A program without a console starts with no standard streams at all; SDL's start-up
// sends output and errors to files, and what is left over reads and writes nothing.
void osFillClosedStandardStreams() {
    for (int fd = 0; fd <= 2; fd++) {
        if (_get_osfhandle(fd) == -1 || _get_osfhandle(fd) == -2) {
            FILE* stream = fd == 0 ? stdin : fd == 1 ? stdout : stderr;
            freopen("NUL", fd == 0 ? "r" : "w", stream);
        }
    }
}
