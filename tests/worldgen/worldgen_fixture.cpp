#include "tests/worldgen/worldgen_fixture.h"

#include <dirent.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

ScratchWorkingDir::ScratchWorkingDir() {
    char here[4096];
    if (getcwd(here, sizeof here)) previous = here;
    if (chdir(scratch.path().c_str()) != 0) previous.clear();
}

ScratchWorkingDir::~ScratchWorkingDir() {
    if (!previous.empty() && chdir(previous.c_str()) != 0) perror(previous.c_str());
}

std::string ScratchWorkingDir::read(const std::string& name) const {
    std::ifstream file(scratch.path() + "/" + name, std::ios::binary);
    std::stringstream contents;
    contents << file.rdbuf();
    return contents.str();
}

int ScratchWorkingDir::entries() const {
    DIR* dir = opendir(scratch.path().c_str());
    int count = 0;
    while (dirent* entry = dir ? readdir(dir) : nullptr) count += entry->d_name[0] != '.';
    if (dir) closedir(dir);
    return count;
}

TemplateLibrary::TemplateLibrary(const std::vector<int32_t>& countsByMask) {
    int32_t total = 0;
    for (int32_t mask = 0; mask < MaskCount; mask++) {
        count[mask] = mask < int32_t(countsByMask.size()) ? countsByMask[mask] : 0;
        first[mask] = total;
        total += count[mask];
    }
    templates.resize(total);
    spawns.resize(total);
    for (int32_t mask = 0; mask < MaskCount; mask++) {
        for (int32_t i = first[mask]; i < first[mask] + count[mask]; i++) {
            RoomTemplate& roomTemplate = templates[i] = RoomTemplate{};
            roomTemplate.tiles[0][0] = i + 1;
            roomTemplate.doorMask = mask;
            spawns[i] = SpawnPoint{320, 600, 4, 1, 1};
            roomTemplate.spawns = &spawns[i];
            roomTemplate.spawnCount = 1;
        }
    }
}

void TemplateLibrary::install() {
    world->roomTemplates = templates.data();
    for (int32_t mask = 0; mask < MaskCount; mask++) {
        world->firstTemplateByMask[mask] = first[mask];
        world->templateCountByMask[mask] = count[mask];
    }
}

std::vector<std::pair<int32_t, int32_t>> carvedCells() {
    std::vector<std::pair<int32_t, int32_t>> cells;
    for (int32_t x = 0; x < WorldRooms; x++) {
        for (int32_t y = 0; y < WorldRooms; y++) {
            if (world->maze[x][y].state == CellCarved) cells.push_back({x, y});
        }
    }
    return cells;
}

namespace {
template <typename Value>
std::vector<int32_t> eachCell(Value value) {
    std::vector<int32_t> values;
    for (const auto& column : world->maze) {
        for (const MazeCell& cell : column) values.push_back(value(cell));
    }
    return values;
}
}  // namespace

std::vector<int32_t> mazeLayout() {
    return eachCell([](const MazeCell& cell) { return cell.doors | (cell.state == CellCarved ? 16 : 0); });
}

std::vector<int32_t> mazeTemplates() {
    return eachCell([](const MazeCell& cell) { return cell.templateIndex; });
}
