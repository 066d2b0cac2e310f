// A real World for tests, empty but usable: an open grid, no enemies, a free pool.
#pragma once
#include <initializer_list>
#include <string>

#include "shell/world.h"

// Collision classes drawn as characters in test maps.
//  . empty  # wall  \ slope down  / slope up  H ladder  T ladder top  = platform  i inert  b B breakable
int8_t classOfMapChar(char c);

class TestWorld {
public:
    // Allocates the World and makes it the global one, with an animation table
    // of 67 animations of framesPerAnimation still frames each.
    explicit TestWorld(int32_t framesPerAnimation = 4);
    ~TestWorld();  // deletes enemies still in play, then the World

    World* operator->() const { return w; }

    // Map rows of class characters, the first one's first cell at tile (row, col).
    void paint(int32_t row, int32_t col, std::initializer_list<const char*> rows) const;
    void paint(int32_t row, int32_t col, const std::string& rows) const;  // rows split by '|'
    void setFrameCount(int32_t anim, int32_t frameCount) const;

private:
    World* w;
};
