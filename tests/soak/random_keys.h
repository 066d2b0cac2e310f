// Seeded random play over the real World: presses and releases of every key the game
// maps (and two it ignores), runs with an arrow held, stands, and walks into the line of fire of a
// shooter in play, to stand there until it dies; and travels, planned with the route
// bot's model of the player, that take it on along the maze's rooms in turn.
#pragma once
#include <cstdint>
#include <deque>
#include <random>
#include <vector>

#include "shell/platform.h"
#include "tests/support/maze_route.h"
#include "tests/support/player_model.h"

class RandomKeys {
public:
    explicit RandomKeys(uint32_t seed) : random(seed) {}

    // The key events of the next pass, given the keys held now.
    std::vector<InputEvent> nextPass(const uint8_t* keyState);

private:
    enum Stretch { Stand, Run, Play, Seek, Travel, StretchKinds };

    void startStretch(const uint8_t* keyState, std::vector<InputEvent>* events);
    void changeKey(const uint8_t* keyState, std::vector<InputEvent>* events);
    int32_t pickShooter();  // a random shooter's slot, or -1 with none in play
    void walkToShooter(const uint8_t* keyState, std::vector<InputEvent>* events);
    void travel(std::vector<InputEvent>* events);
    uint32_t below(uint32_t n) { return random() % n; }

    std::mt19937 random;  // the raw engine: the same sequence from every standard library
    Stretch stretch = Play;
    int32_t passesLeft = 0;       // of the current stretch
    int32_t runKey = KeyRight;    // held through a run
    int32_t shooterSlot = -1;     // sought through a seek
    int32_t lastX = 0;            // where the player was in the pass before
    int32_t stuckPasses = 0;      // seeking without getting anywhere
    std::vector<RoomXY> route;    // the maze's rooms in the order a walk meets them
    size_t goal = 0;              // the room of the route travels head for
    std::deque<PassEvents> move;  // the rest of the planned move being played
    Player before;                // the player a pass ago, to see it come to rest
};
