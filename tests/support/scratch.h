// Scratch folders and files for tests.
#pragma once
#include <string>

// A new empty folder under the system's temporary folder, removed with the object.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    const std::string& path() const { return dir; }
    // Writes a file below the folder (making its parent folders) and returns its path.
    std::string write(const std::string& name, const std::string& contents) const;

private:
    std::string dir;
};

// Where tests put pictures for people to look at.
std::string testOutputDir();
