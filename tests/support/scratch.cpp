#include "tests/support/scratch.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

ScratchDir::ScratchDir() {
    std::string pattern = (fs::temp_directory_path() / "cavern-test-XXXXXX").string();
    dir = mkdtemp(pattern.data()) ? pattern : std::string();
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    if (!dir.empty()) fs::remove_all(dir, ignored);
}

std::string ScratchDir::write(const std::string& name, const std::string& contents) const {
    fs::path file = fs::path(dir) / name;
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << contents;
    return file.string();
}

std::string testOutputDir() {
    const char* configured = getenv("TEST_OUTPUT_DIR");
    fs::path dir = configured ? configured : "test-output";
    fs::create_directories(dir);
    return dir.string();
}
