// world-map [FOLDER [PICTURE]]: draws the maze's rooms as the game builds them
// from FOLDER/data (default: the working folder's) into the PNG file PICTURE
// (default: world-map.png), and prints which colour marks which enemy type.
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <string>

#include "tools/check_content/offscreen_world.h"
#include "tools/world_map/map_picture.h"
#include "tools/picture/rgba_picture.h"

namespace {

constexpr const char* DefaultPicture = "world-map.png";

// The picture's path as seen from the folder the tool was started in.
std::string pathFromStart(const char* path) {
    char start[PATH_MAX];
    if (path[0] == '/' || !getcwd(start, sizeof start)) return path;
    return std::string(start) + "/" + path;
}

void printLegend(const MapPicture& map, const char* path) {
    printf("world-map: %s, %d x %d pixels, rooms %d..%d across and %d..%d down, 1 pixel for %d\n", path, map.width,
           map.height, map.firstRoomX, map.firstRoomX + map.width / MapRoomSide - 1, map.firstRoomY,
           map.firstRoomY + map.height / MapRoomSide - 1, MapShrink);
    printf("marks: the player's start white;");
    for (int32_t type = 0; type < BehaviourTypeCount; type++) printf(" type %d %s;", type, spawnMarkColour(type).name);
    printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 3) {
        fprintf(stderr, "usage: world-map [FOLDER [PICTURE]]\n");
        return 2;
    }
    std::string picture = pathFromStart(argc == 3 ? argv[2] : DefaultPicture);
    if (argc > 1 && chdir(argv[1]) != 0) {
        fprintf(stderr, "world-map: cannot enter %s\n", argv[1]);
        return 1;
    }
    bool loaded = openOffscreenWorld();
    MapPicture map;
    if (loaded) map = drawWorldMap();
    closeOffscreenWorld();
    if (!loaded) return 1;
    if (!writePng(picture.c_str(), map.width, map.height, map.pixels.data())) {
        fprintf(stderr, "world-map: could not write %s\n", picture.c_str());
        return 1;
    }
    printLegend(map, picture.c_str());
    return 0;
}
