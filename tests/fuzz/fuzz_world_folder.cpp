// A whole data folder through loading, world setup and room building, as the game
// starts up, where values that each reader lets through meet (spawn points in rooms).
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "shell/play_game.h"
#include "tests/content/content_files.h"

namespace {

// The input is the text files of the folder in this order, split by the separator;
// a file the input leaves out keeps its valid contents.
constexpr const char* FuzzedFiles[] = {"data/map.txt", "data/AnimationData.txt", "data/contents.txt"};
constexpr int FuzzedFileCount = sizeof FuzzedFiles / sizeof FuzzedFiles[0];
const std::string Separator = "\n--\n";

ScratchDir* folder;
std::string validFiles[FuzzedFileCount];

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    folder = new ScratchDir();
    writeDataFolder(*folder);
    validFiles[0] = mapText(templatesOfEveryMask());
    validFiles[1] = animationFileText(2, {});
    validFiles[2] = "1 hero\n1 cave\n1 fireball\n";
    if (folder->path().empty() || chdir(folder->path().c_str()) != 0) abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string input(reinterpret_cast<const char*>(data), size);
    size_t start = 0;
    for (int i = 0; i < FuzzedFileCount; i++) {
        size_t end = start == std::string::npos ? start : input.find(Separator, start);
        std::string contents = start == std::string::npos ? validFiles[i] : input.substr(start, end - start);
        folder->write(FuzzedFiles[i], contents);
        start = end == std::string::npos ? end : end + Separator.size();
    }
    if (createWorld()) {
        prepareWorld();
        destroyWorld();
    }
    return 0;
}
