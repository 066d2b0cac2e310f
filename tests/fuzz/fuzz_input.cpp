#include "tests/fuzz/fuzz_input.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

const char* writeFuzzInput(const uint8_t* data, size_t size) {
    static std::string path;
    if (path.empty()) {
        std::string pattern = std::string(P_tmpdir) + "/cavern-fuzz-XXXXXX";
        int fd = mkstemp(pattern.data());
        if (fd < 0) abort();
        close(fd);
        path = pattern;
        atexit([] { remove(path.c_str()); });
    }
    FILE* file = fopen(path.c_str(), "wb");
    if (!file || fwrite(data, 1, size, file) != size || fclose(file) != 0) abort();
    return path.c_str();
}
