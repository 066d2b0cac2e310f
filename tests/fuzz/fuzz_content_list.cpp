#include <unistd.h>

#include <cstdlib>

#include "content/content_list.h"
#include "tests/support/content_files.h"
#include "tests/fuzz/fuzz_input.h"

// The names of the list lead to pictures below data/: a valid folder to find.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static ScratchDir dir;
    writeDataFolder(dir);
    if (dir.path().empty() || chdir(dir.path().c_str()) != 0) abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ContentPictures pictures;
    if (loadContentList(writeFuzzInput(data, size), &pictures)) freeContentPictures(&pictures);
    return 0;
}
