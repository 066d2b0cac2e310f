// Opening the files of the data folder.
#pragma once
#include <cstdio>

// Opens path for reading ("r" or "rb"). Anything but a regular file is refused at
// once, with one line naming it: a FIFO would block and a device such as /dev/zero
// never ends. Null after that line, or after "cannot open" when it cannot be opened.
FILE* openDataFile(const char* path, const char* mode);

// openDataFile in text mode; a file that starts with a UTF-8 byte-order mark, which
// some editors write, is refused with a line that says so.
FILE* openTextFile(const char* path);
