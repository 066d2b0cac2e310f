#include "tests/support/test_world.h"

#include "shell/platform/platform_null.h"

TestWorld::TestWorld(int32_t framesPerAnimation) : w(new World()) {
    world = w;
    w->animations = new Animation[AnimationCount]();
    for (int32_t anim = 0; anim < AnimationCount; anim++) setFrameCount(anim, framesPerAnimation);
    for (Projectile& projectile : w->projectiles) projectile.type = ProjectileFree;
    actorCursor = 0;
    projectileCursor = 0;
    nullPlatformReset();
}

TestWorld::~TestWorld() {
    for (Actor*& slot : w->actorSlots) {
        delete slot;
        slot = nullptr;
    }
    for (int32_t anim = 0; anim < AnimationCount; anim++) delete[] w->animations[anim].frames;
    delete[] w->animations;
    delete w;
    world = nullptr;
}

void TestWorld::setCell(int32_t row, int32_t col, int8_t cls) const { w->collisionGrid[row][col] = cls; }

void TestWorld::setCellAt(int32_t x, int32_t y, int8_t cls) const { setCell(y >> 5, x >> 5, cls); }

void TestWorld::fillRow(int32_t row, int32_t col0, int32_t col1, int8_t cls) const {
    for (int32_t col = col0; col <= col1; col++) setCell(row, col, cls);
}

void TestWorld::setFrameCount(int32_t anim, int32_t frameCount) const {
    Animation& animation = w->animations[anim];
    delete[] animation.frames;
    animation.frameCount = frameCount;
    animation.frames = new Pose[frameCount]();
}
