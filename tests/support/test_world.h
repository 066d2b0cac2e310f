// A real World for tests, empty but usable: an open grid, no enemies, a free pool.
#pragma once
#include "shell/world.h"

class TestWorld {
public:
    // Allocates the World and makes it the global one, with an animation table
    // of 67 animations of framesPerAnimation still frames each.
    explicit TestWorld(int32_t framesPerAnimation = 4);
    ~TestWorld();  // deletes enemies still in play, then the World

    World* operator->() const { return w; }

    // Sets the collision class of the cell under world pixel (x, y).
    void setCellAt(int32_t x, int32_t y, int8_t cls) const;
    void setCell(int32_t row, int32_t col, int8_t cls) const;
    // A row of cells of one class from column col0 to col1.
    void fillRow(int32_t row, int32_t col0, int32_t col1, int8_t cls) const;
    // Gives animation anim a new number of (still) frames.
    void setFrameCount(int32_t anim, int32_t frameCount) const;

private:
    World* w;
};
