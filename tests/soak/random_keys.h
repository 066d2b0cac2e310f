// Seeded random play over the real World: presses and releases of every key the game
// maps (and two it ignores), runs that carry the player from room to room (jumping,
// climbing or turning when stopped), stands, and walks into the line of fire of a
// shooter in play, to stand there until it dies.
#pragma once
#include <cstdint>
#include <random>
#include <vector>

#include "shell/platform.h"

class RandomKeys {
public:
    explicit RandomKeys(uint32_t seed) : random(seed) {}

    // The key events of the next pass, given the keys held now.
    std::vector<InputEvent> nextPass(const uint8_t* keyState);

private:
    enum Stretch { Stand, Run, Play, Seek, StretchKinds };

    void startStretch(const uint8_t* keyState, std::vector<InputEvent>* events);
    void changeKey(const uint8_t* keyState, std::vector<InputEvent>* events);
    int32_t pickShooter();  // a random shooter's slot, or -1 with none in play
    void keepRunning(const uint8_t* keyState, std::vector<InputEvent>* events);
    void walkToShooter(const uint8_t* keyState, std::vector<InputEvent>* events);
    uint32_t below(uint32_t n) { return random() % n; }

    std::mt19937 random;  // the raw engine: the same sequence from every standard library
    Stretch stretch = Play;
    int32_t passesLeft = 0;  // of the current stretch
    int32_t runKey = KeyRight;  // held through a run
    int32_t shooterSlot = -1;   // sought through a seek
    int32_t lastX = 0;          // where the player was in the pass before
    int32_t lastY = 0;
    int32_t stuckPasses = 0;    // seeking without getting anywhere
};
