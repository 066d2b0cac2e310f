// What the game asks of the operating system beyond standard C and C++. One side
// serves POSIX systems, the other Windows; the build links one of them.
#pragma once
#include <cstddef>
#include <cstdio>

// What a name opened for reading turned out to be.
enum FileKind { FileRegular, FileMissing, FileUnreadable, FileFolder, FileFifo, FileDevice, FileSocket, FileOther };

// Opens path for reading in mode ("r" or "rb"; Windows reads both byte for byte, as Linux
// does) without ever waiting on a FIFO. The file when path names a regular file; otherwise
// null and the kind it was, with errno set for FileMissing (cannot be opened) and FileUnreadable.
FILE* osOpenRegularFile(const char* path, const char* mode, FileKind* kind);
// Whether path names a folder (or a link to one).
bool osIsFolder(const char* path);
// The length in bytes of an open file, or -1 with errno set.
long long osFileLength(FILE* file);

// A new file of this process's own, named `base` and a unique ending, opened "w+" in binary;
// its name goes to path (size bytes). Null with errno set when it cannot be made.
FILE* osCreateNewFile(const char* base, char* path, size_t size);
// Puts the file at from in the place of to, replacing whatever stands there (a link
// included, never followed) in one step. False with errno set.
bool osReplaceFile(const char* from, const char* to);

// The signals that end a game from outside (termination, interrupt, hangup) are only
// noted while held; on release their former handling returns and a noted one is raised.
void osHoldEndingSignals();
void osReleaseEndingSignals();
// Between these two, termination and interrupt end the process at once, whatever handled them.
void osEndAtOnceOnSignals();
void osRestoreSignals();

// Standard error goes nowhere until restored, for libraries that talk on it.
void osSilenceStandardError();
void osRestoreStandardError();

// Where the system starts a program from a folder other than its own (a shortcut, a command
// line), the working folder becomes the program's, so data/ and happy.txt are beside it. On
// Linux the folder is the launcher's to choose.
void osEnterGameFolder();

// A standard stream the game was started without is opened on the null device, so
// that the next file opened never takes its place.
void osFillClosedStandardStreams();
