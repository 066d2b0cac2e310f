// A model of the player alone for the route bot's planning: a copy of the real
// Player driven by key events through its own handleAction and update, over the
// real collision grid. Enemies and their shots are not in the model; the bot
// plans again whenever the real player strays from what the model foretold.
#pragma once
#include <cstdint>
#include <vector>

#include "shell/platform.h"
#include "shell/world.h"

using PassEvents = std::vector<InputEvent>;
using KeyScript = std::vector<PassEvents>;  // the events of each pass, in order

// The fields that decide what a player does next, for comparing and for keys of a search.
struct PlayerSnapshot {
    int32_t x, y, vx, vy, state, nextState, anim, nextAnim, frame, facingLeft;
    bool operator==(const PlayerSnapshot& other) const;
};
PlayerSnapshot snapshotOf(const Player& player);

// Runs a script on a copy of the player, then lets it come to rest with no key held.
// False when it does not come to rest or leaves the allowed rooms on the way.
struct ModelRun {
    Player player;
    int32_t passes = 0;
};
bool runScript(const Player& start, const KeyScript& script, ModelRun* run);

// The player is still and holds no key: standing, crouching or hanging on a ladder.
bool atRest(const Player& before, const Player& after);

// The scripts the bot tries from a resting player.
std::vector<KeyScript> movesFromRest(const Player& player);

// A cheapest series of moves (in passes) from a resting player to a resting spot in the
// target room, staying in the rooms allowed; empty when none is found.
struct Plan {
    std::vector<KeyScript> moves;
    std::vector<PlayerSnapshot> expected;  // the player at rest after each move
};
Plan planToRoom(const Player& start, int32_t targetRoomX, int32_t targetRoomY);
