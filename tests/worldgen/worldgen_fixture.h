// Shared pieces of the world generation tests.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "shell/world.h"
#include "tests/support/scratch.h"

// Moves the working folder into a new scratch folder for the object's life, so
// the maze picture lands there.
class ScratchWorkingDir {
public:
    ScratchWorkingDir();
    ~ScratchWorkingDir();
    const std::string& path() const { return scratch.path(); }
    std::string read(const std::string& name) const;  // a whole file below the folder
    int entries() const;                               // files, folders and links in it

private:
    ScratchDir scratch;
    std::string previous;
};

// A room template library for the global World: countsByMask[m] templates of
// mask m, in mask order as the loader leaves them. Template i holds code i + 1
// in its top-left tile (its mark) and one spawn point.
class TemplateLibrary {
public:
    explicit TemplateLibrary(const std::vector<int32_t>& countsByMask);
    void install();
    static int32_t markOf(const Room& room) { return room.tiles[0][0] - 1; }

    std::vector<RoomTemplate> templates;
    std::vector<SpawnPoint> spawns;  // one per template
    int32_t first[MaskCount];
    int32_t count[MaskCount];
};

// Cells of the maze that are carved, as (x, y).
std::vector<std::pair<int32_t, int32_t>> carvedCells();
// Each cell's doors, plus 16 when carved; column by column.
std::vector<int32_t> mazeLayout();
// Each cell's chosen template; column by column.
std::vector<int32_t> mazeTemplates();
