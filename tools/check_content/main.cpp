// check-content [FOLDER]: loads the game's content from FOLDER/data (default: the
// working folder's) as the game does, then checks the rules the rooms must keep.
// One line per problem on standard error; the exit status is 1 when there is any.
#include <unistd.h>

#include <cstdio>

#include "tools/check_content/movement_model.h"
#include "tools/check_content/offscreen_world.h"
#include "tools/check_content/problems.h"
#include "tools/check_content/reachability.h"
#include "tools/check_content/shot_pictures.h"
#include "tools/check_content/template_rules.h"

int main(int argc, char** argv) {
    if (argc > 2) {
        fprintf(stderr, "usage: check-content [FOLDER]\n");
        return 2;
    }
    if (argc == 2 && chdir(argv[1]) != 0) {
        fprintf(stderr, "check-content: cannot enter %s\n", argv[1]);
        return 1;
    }
    bool loaded = openOffscreenWorld();
    if (loaded) {
        startMovementModel();
        checkTemplates();
        checkShotPictures();
        checkStartRoom();
        checkReachability();
    }
    closeOffscreenWorld();
    if (!loaded || problemCount() > 0) return 1;
    printf("check-content: no problems\n");
    return 0;
}
