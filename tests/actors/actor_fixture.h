// Small helpers for the actor scenarios: boxes, keys, a player standing on a floor.
#pragma once
#include <string>

#include "actors/collision.h"
#include "actors/enemy.h"
#include "shell/platform.h"
#include "tests/support/test_world.h"

// Sets a key in the live keyboard state that the player reads.
inline void hold(int32_t key, bool down = true) { platformKeyState()[key] = down ? 1 : 0; }

// Every field of a body, for comparing whole bodies with readable failures.
inline std::string bodyText(const Body& b) {
    return std::to_string(b.x) + " " + std::to_string(b.y) + " " + std::to_string(b.rotation) + " " +
           std::to_string(b.vx) + " " + std::to_string(b.vy) + " " + std::to_string(b.height) + " " +
           std::to_string(b.width) + " " + std::to_string(b.facingLeft);
}

inline int32_t bottomOf(const Body& body) { return body.y + body.height; }

// An actor-shaped box, 30 wide and 60 high unless told otherwise.
inline Player boxAt(int32_t x, int32_t y, int32_t vx, int32_t vy, int32_t width = 30, int32_t height = 60) {
    Player mover{};
    mover.body = Body{x, y, 0, vx, vy, height, width, 0};
    return mover;
}

// A wall floor along row floorRow (columns 0 to 80) and the player resting on it at x.
inline Player& standingPlayer(const TestWorld& w, int32_t x, int32_t floorRow) {
    w.fillRow(floorRow, 0, 80, ClassWall);
    Player& player = w->player;
    player.init(x, 32 * floorRow - 61, 0);
    player.update();  // lands at once
    return player;
}

// Puts a new enemy made from point into an actor slot; the World deletes it.
inline Enemy* enemyInSlot(const TestWorld& w, int32_t slot, SpawnPoint& point) {
    Enemy* enemy = new Enemy(&point);
    w->actorSlots[slot] = enemy;
    return enemy;
}
