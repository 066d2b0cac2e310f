#include "tests/support/test_world.h"

#include <cstring>

#include "shell/platform/platform_null.h"

int8_t classOfMapChar(char c) {
    const char* classes = ".#\\/HT=ibB";
    const char* found = strchr(classes, c);
    return found && c ? int8_t(found - classes) : int8_t(-1);
}

TestWorld::TestWorld(int32_t framesPerAnimation) : w(new World()) {
    world = w;
    w->animations = new Animation[AnimationCount]();
    for (int32_t anim = 0; anim < AnimationCount; anim++) setFrameCount(anim, framesPerAnimation);
    for (Projectile& projectile : w->projectiles) projectile.type = ProjectileFree;
    for (ProjectileType& type : w->projectileTypes) type.damage = 10;
    actorCursor = 0;
    projectileCursor = 0;
    nullPlatformReset();
}

TestWorld::~TestWorld() {
    for (Actor*& slot : w->actorSlots) delete slot;
    for (int32_t anim = 0; anim < AnimationCount; anim++) delete[] w->animations[anim].frames;
    delete[] w->animations;
    delete w;
    world = nullptr;
}

void TestWorld::paint(int32_t row, int32_t col, std::initializer_list<const char*> rows) const {
    for (const char* line : rows) {
        for (int32_t c = 0; line[c]; c++) w->collisionGrid[row][col + c] = classOfMapChar(line[c]);
        row++;
    }
}

void TestWorld::paint(int32_t row, int32_t col, const std::string& rows) const {
    size_t start = 0;
    while (start <= rows.size()) {
        size_t end = rows.find('|', start);
        if (end == std::string::npos) end = rows.size();
        std::string line = rows.substr(start, end - start);
        paint(row++, col, {line.c_str()});
        start = end + 1;
    }
}

void TestWorld::setFrameCount(int32_t anim, int32_t frameCount) const {
    Animation& animation = w->animations[anim];
    delete[] animation.frames;
    animation.frameCount = frameCount;
    animation.frames = new Pose[frameCount]();
}
